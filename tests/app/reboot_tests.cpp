// The restart: privilege first, then one call with the planned-upgrade reason.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/reboot.h"

namespace {

UINT gFlags = 0;
DWORD gReason = 0;
int gCalls = 0;
bool gPrivilegeEnabledAtCall = false;

bool ShutdownPrivilegeEnabled() {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    LUID luid;
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid);
    PRIVILEGE_SET set{1, PRIVILEGE_SET_ALL_NECESSARY, {{luid, 0}}};
    BOOL enabled = FALSE;
    PrivilegeCheck(token, &set, &enabled);
    CloseHandle(token);
    return enabled != FALSE;
}

BOOL WINAPI RecordExit(UINT flags, DWORD reason) {
    ++gCalls;
    gFlags = flags;
    gReason = reason;
    gPrivilegeEnabledAtCall = ShutdownPrivilegeEnabled();
    return TRUE;
}

TEST(Reboot, EnablesThePrivilegeAndRestartsOnceForAPlannedUpgrade) {
    RebootSystem(RecordExit);
    ASSERT_EQ(gCalls, 1);
    EXPECT_EQ(gFlags, 0x12u);
    EXPECT_EQ(gReason, 0x80020003u);
    EXPECT_TRUE(gPrivilegeEnabledAtCall);
}

}  // namespace
