#pragma once
// Restarting the system when the user accepts the restart that a deferred
// operation needs.
#include <windows.h>

// The call that finally restarts; tests replace it, since under Wine a real
// restart would end every process of the prefix.
using ExitWindowsCall = BOOL(WINAPI*)(UINT flags, DWORD reason);

// Enables the shutdown privilege and, only when it really was enabled,
// restarts with EWX_REBOOT | EWX_FORCEIFHUNG for a planned upgrade.
void RebootSystem(ExitWindowsCall exitWindows = ExitWindowsEx);

// The call the finish screen's restart goes through: ExitWindowsEx unless the
// wizard's test host put a recording one in place (null brings it back).
void SetSystemRestartCall(ExitWindowsCall call);
ExitWindowsCall SystemRestartCall();
