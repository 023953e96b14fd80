#include "app/installer_state.h"

#include "files/path_functions.h"

std::wstring Destination(const InstallerState& state, bool admin) {
    if (admin) {
        return !state.machineInstallDir.empty() ? state.machineInstallDir : state.userInstallDir;
    }
    return !state.userInstallDir.empty() ? state.userInstallDir : state.machineInstallDir;
}

std::wstring ProductProgramPath(const InstallerState& state, bool admin) {
    return Destination(state, admin) + L"\\ZanvoManager.exe";
}

bool IsUnderProfiles(const std::wstring& folder, const std::wstring& profilesRoot) {
    return StartsWithNoCase(profilesRoot, folder);
}
