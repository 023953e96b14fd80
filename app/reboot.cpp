#include "app/reboot.h"

namespace {

ExitWindowsCall gRestartCall = ExitWindowsEx;

}  // namespace

void SetSystemRestartCall(ExitWindowsCall call) { gRestartCall = call ? call : ExitWindowsEx; }
ExitWindowsCall SystemRestartCall() { return gRestartCall; }

void RebootSystem(ExitWindowsCall exitWindows) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool found = LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    SetLastError(ERROR_SUCCESS);
    if (found) {
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    // AdjustTokenPrivileges succeeds with ERROR_NOT_ALL_ASSIGNED for a token
    // that lacks the privilege: only a clean zero means it is enabled.
    const bool enabled = found && GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    if (enabled) {
        exitWindows(EWX_REBOOT | EWX_FORCEIFHUNG,
                    SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_OPERATINGSYSTEM | SHTDN_REASON_MINOR_UPGRADE);
    }
}
