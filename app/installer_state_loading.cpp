#include "app/installer_state_loading.h"

#include <windows.h>

#include <mutex>

#include "app/hidden_data.h"
#include "app/installer_identity.h"
#include "common/ci_string.h"
#include "engine/global_params.h"
#include "engine/run_values.h"
#include "engine/xml_processor.h"
#include "files/own_paths.h"
#include "files/path_functions.h"
#include "system/file_version.h"
#include "system/platform_facts.h"
#include "system/registry_access.h"
#include "system/statistics.h"

namespace {

const wchar_t kEnvironmentKey[] = L"System\\CurrentControlSet\\Control\\Session Manager\\Environment";

std::wstring ProductValue(HKEY root, const wchar_t* name) {
    return RegistryReadString(root, kProductRegistryKey, name);
}

void LoadInstallFolders(InstallerState& state) {
    state.machineInstallDir = ProductValue(HKEY_LOCAL_MACHINE, L"Install_Dir");
    const CiString& sid = GetGlobalParams().userSid;
    if (!sid.empty()) {
        // After an elevated relaunch: the launching user's own folder.
        state.userInstallDir =
            RegistryReadString(HKEY_USERS, ToWide(sid) + L"\\" + kProductRegistryKey, L"Install_Dir");
    }
    if (state.userInstallDir.empty()) {
        state.userInstallDir = ProductValue(HKEY_CURRENT_USER, L"Install_Dir");
    }
    if (!state.machineInstallDir.empty()) {
        state.channelId = ProductValue(HKEY_LOCAL_MACHINE, L"ChannelID");
        state.isUpdate = true;
    } else if (!state.userInstallDir.empty()) {
        state.isUpdate = true;
    } else {
        state.machineInstallDir = DefaultMachineDestination();
    }
}

void LoadIdentity(InstallerState& state) {
    const bool admin = IsUserAdmin();
    if (state.isUpdate) {
        if (state.channelId.empty()) {
            if (std::optional<std::wstring> channel = ReadSettingsChannel(Destination(state, admin) + L"\\settings.xml")) {
                state.channelId = *channel;
            }
        }
        const FileVersion version = ReadFileVersion(ProductProgramPath(state, admin));
        state.installedVersion = {version.major, version.minor, version.build, version.revision};
    }
    std::optional<HiddenIdentity> hidden;
    if (std::optional<std::string> payload = ReadHiddenData(GetOwnModulePath())) {
        hidden = ParseHiddenIdentity(*payload);
    }
    ApplyIdentity(state, hidden);
    state.uid = ProductValue(HKEY_CURRENT_USER, L"UID");
    if (state.uid.empty()) {
        state.uid = ProductValue(HKEY_LOCAL_MACHINE, L"UID");
    }
    if (state.uid.empty()) {
        state.uid = NewUid();
        state.uidKnown = false;
    }
}

// Lets other programs see the new machine Path.
void BroadcastEnvironmentChange() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"),
                        SMTO_ABORTIFHUNG, 1000, &ignored);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"),
                        SMTO_ABORTIFHUNG, 1000, &ignored);
}

struct ProcessInstallerState {
    InstallerState state = LoadInstallerState();
    ~ProcessInstallerState() { BroadcastEnvironmentChange(); }
};

}  // namespace

ReportIdentity ReportIdentityOf(const InstallerState& s) {
    return ReportIdentity{s.isUpdate ? L"upd" : L"inst", s.buildId, s.installerChannelId, s.uid};
}

std::wstring ReadMachinePath() { return RegistryReadString(HKEY_LOCAL_MACHINE, kEnvironmentKey, L"Path"); }

std::wstring DefaultMachineDestination() {
    // The shipped 32-bit program sees the 32-bit Program Files folder on 64-bit
    // Windows; the 64-bit flavor asks for that folder by name.
#if defined(_WIN64)
    CiString programFiles = GetGlobalParam(L"ProgramFiles(x86)");
    if (programFiles.empty()) {
        programFiles = GetGlobalParam(L"ProgramFiles");
    }
#else
    const CiString programFiles = GetGlobalParam(L"ProgramFiles");
#endif
    return ToWide(programFiles) + L"\\Zanvo Archiver";
}

InstallerState LoadInstallerState() {
    InstallerState state;
    state.pathAtStart = ReadMachinePath();
    LoadInstallFolders(state);
    LoadIdentity(state);
    if (!state.uidKnown) {
        const std::string script = RegisterUidScript(state.uid);
        CXMLProcessor processor;
        processor.ParseAndRun(script.data(), script.size());
    }
    return state;
}

InstallerState& GetInstallerState() {
    // A function-local static is created once even when several threads ask
    // at the same time; the others wait for it.
    static ProcessInstallerState instance;
    static const bool started = [] {
        StartTime();
        SetReportIdentity(ReportIdentityOf(instance.state));
        return true;
    }();
    (void)started;
    return instance.state;
}

ScriptConditions EvaluateScriptConditions(const InstallerState& state) {
    const PlatformFacts& facts = CurrentPlatformFacts();
    const std::wstring destination = Destination(state, facts.userIsAdmin);
    ScriptConditions conditions;
    conditions.admin = facts.userIsAdmin;
    conditions.win64 = facts.win64;
    conditions.win8 = facts.windowsMajor == 6 && facts.windowsMinor == 2;
    conditions.profiles = IsUnderProfiles(destination, FolderPart(ToWide(GetGlobalParam(L"USERPROFILE"))));
    conditions.ext = state.shellExtensionsOption;
    conditions.assoc = state.associationsOption;
    conditions.stats = state.statisticsAgreement;
    const auto& v = state.installedVersion;
    conditions.oldver = (v[0] != 0 || v[1] != 0 || v[2] != 0 || v[3] != 0) && v[0] < 1;
    conditions.twocopies = !state.machineInstallDir.empty() && !state.userInstallDir.empty() &&
                           !EqualsNoCase(state.machineInstallDir, state.userInstallDir);
    conditions.replace = state.replaceUserInstall;
    conditions.pathmissing = ToCi(ReadMachinePath()).find(ToCi(destination)) == CiString::npos;
    return conditions;
}
