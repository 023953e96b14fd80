#include "app/installer_state.h"

#include "common/ci_string.h"

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
    return ToCi(folder).compare(0, profilesRoot.size(), ToCi(profilesRoot)) == 0;
}
