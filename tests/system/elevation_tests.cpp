// Platform facts, the elevation gate's decisions and command lines, a real
// elevated relaunch under Wine, and the API error report.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include "common/text_conversion.h"
#include "engine/global_params.h"
#include "system/api_error.h"
#include "system/elevation.h"
#include "system/platform_facts.h"
#include "system/registry_key.h"
#include "tests/support/test_support.h"
#include "tests/system/record_file.h"
#include "tests/system/system_test_support.h"

namespace {

PlatformFacts Facts(DWORD major, int elevationType, bool admin, bool uac) {
    PlatformFacts facts;
    facts.windowsMajor = major;
    facts.elevationType = elevationType;
    facts.userIsAdmin = admin;
    facts.uacEnabled = uac;
    return facts;
}

TEST(PlatformFacts, WineRunsElevatedOnWindows7With64Bits) {
    EXPECT_TRUE(CheckUserIsAdmin());
    EXPECT_EQ(ReadElevationType(), ELEVATION_FULL);
    EXPECT_TRUE(IsUserAdmin());
    EXPECT_EQ(QueryElevationType(), ELEVATION_FULL);
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_EQ(CurrentPlatformFacts().windowsMajor, 6u);
    EXPECT_TRUE(CurrentPlatformFacts().win64);
    EXPECT_TRUE(IsWindows64Bit());
}

TEST(PlatformFacts, TestsPutOtherFactsInPlace) {
    const bool realAdmin = IsUserAdmin();
    {
        const ScopedPlatformFacts xp(Facts(5, ELEVATION_UNKNOWN, false, false));
        EXPECT_FALSE(IsUserAdmin());
        EXPECT_FALSE(IsVistaOrLater());
        EXPECT_EQ(QueryElevationType(), ELEVATION_UNKNOWN);
        {
            const ScopedPlatformFacts filtered(Facts(6, ELEVATION_LIMITED, false, true));
            EXPECT_TRUE(IsVistaOrLater());
            EXPECT_TRUE(IsUacEnabled());
        }
        EXPECT_FALSE(IsVistaOrLater());
    }
    EXPECT_EQ(IsUserAdmin(), realAdmin);
}

TEST(PlatformFacts, UacSettingIsReadFromThePolicy) {
    const std::wstring policy = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    const RegistryValue saved = ReadRegistryValue(HKEY_LOCAL_MACHINE, policy, L"EnableLUA");
    struct Case {
        const char* name;
        DWORD value;
        bool enabled;
    };
    const Case cases[] = {{"on", 1, true}, {"off", 0, false}, {"other", 2, true}};
    for (const Case& c : cases) {
        SetRegistryValue(HKEY_LOCAL_MACHINE, policy, L"EnableLUA", REG_DWORD,
                         {static_cast<BYTE>(c.value), 0, 0, 0});
        EXPECT_EQ(ReadUacEnabled(), c.enabled) << c.name;
    }
    if (saved.exists) {
        SetRegistryValue(HKEY_LOCAL_MACHINE, policy, L"EnableLUA", saved.type, saved.bytes);
    } else {
        RegistryKey key;
        OpenRegistryKey(HKEY_LOCAL_MACHINE, policy, KEY_SET_VALUE, key);
        RegDeleteValueW(key.Get(), L"EnableLUA");
        EXPECT_FALSE(ReadUacEnabled());
    }
}

TEST(ElevationGate, Decisions) {
    struct Case {
        const char* name;
        PlatformFacts facts;
        ElevationStep step;
    };
    const Case cases[] = {
        {"vista_filtered_administrator", Facts(6, ELEVATION_LIMITED, false, true), ElevationStep::kRelaunchElevated},
        {"filtered_token_wins_over_admin_check", Facts(6, ELEVATION_LIMITED, true, true),
         ElevationStep::kRelaunchElevated},
        {"vista_standard_user_with_uac", Facts(6, ELEVATION_DEFAULT, false, true), ElevationStep::kRelaunchElevated},
        {"vista_standard_user_without_uac", Facts(6, ELEVATION_DEFAULT, false, false),
         ElevationStep::kRelaunchWithCredentials},
        {"vista_unknown_type_not_admin", Facts(6, ELEVATION_UNKNOWN, false, true),
         ElevationStep::kRelaunchWithCredentials},
        {"elevated", Facts(10, ELEVATION_FULL, true, true), ElevationStep::kContinue},
        {"vista_admin_without_split_token", Facts(6, ELEVATION_DEFAULT, true, false), ElevationStep::kContinue},
        {"xp_administrator", Facts(5, ELEVATION_UNKNOWN, true, false), ElevationStep::kContinue},
        {"xp_user", Facts(5, ELEVATION_UNKNOWN, false, false), ElevationStep::kRelaunchWithCredentials},
        {"xp_ignores_the_token_type", Facts(5, ELEVATION_LIMITED, true, true), ElevationStep::kContinue},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideElevation(c.facts), c.step) << c.name;
    }
}

// What the gate did with fake relaunches.
struct GateLog {
    std::wstring elevatedArguments;
    std::wstring credentialArguments;
    int elevatedCalls = 0;
    int credentialCalls = 0;
    bool ended = false;
    int32_t exitCode = 0;
    int32_t elevatedResult = 0;
    int32_t credentialResult = 0;
};
GateLog gLog;

ElevationActions FakeActions() {
    return {[](const std::wstring& arguments) {
                ++gLog.elevatedCalls;
                gLog.elevatedArguments = arguments;
                return gLog.elevatedResult;
            },
            [](const std::wstring& arguments) {
                ++gLog.credentialCalls;
                gLog.credentialArguments = arguments;
                return gLog.credentialResult;
            },
            [](int32_t exitCode) {
                gLog.ended = true;
                gLog.exitCode = exitCode;
            }};
}

TEST(ElevationGate, OutcomesOfTheRelaunches) {
    struct Case {
        const char* name;
        PlatformFacts facts;
        int32_t elevatedResult;
        int32_t credentialResult;
        int32_t returned;
        bool ended;
        int32_t exitCode;
    };
    const Case cases[] = {
        {"runas_started_ends_with_0", Facts(6, ELEVATION_LIMITED, false, true), 0, 0, 0, true, 0},
        {"runas_declined_returns_1223", Facts(6, ELEVATION_LIMITED, false, true), 1223, 0, 1223, false, 0},
        {"runas_other_failure_ends_with_it", Facts(6, ELEVATION_LIMITED, false, true), 5, 0, 5, true, 5},
        {"logon_started_ends_with_minus_2", Facts(5, ELEVATION_UNKNOWN, false, false), 0, 0, 0, true, -2},
        {"logon_cancelled_returns_1223", Facts(6, ELEVATION_DEFAULT, false, false), 0, 1223, 1223, false, 0},
        {"logon_failed_returns_minus_1", Facts(5, ELEVATION_UNKNOWN, false, false), 0, -1, -1, false, 0},
        {"nothing_to_do", Facts(6, ELEVATION_FULL, true, true), 7, 7, 0, false, 0},
    };
    for (const Case& c : cases) {
        gLog = GateLog();
        gLog.elevatedResult = c.elevatedResult;
        gLog.credentialResult = c.credentialResult;
        const ScopedPlatformFacts facts(c.facts);
        EXPECT_EQ(EnsureElevatedWith(FakeActions(), L"", kNoOptionBits), c.returned) << c.name;
        EXPECT_EQ(gLog.ended, c.ended) << c.name;
        EXPECT_EQ(gLog.exitCode, c.exitCode) << c.name;
        EXPECT_LE(gLog.elevatedCalls + gLog.credentialCalls, 1) << c.name;
    }
}

TEST(ElevationGate, HandsItsArgumentsToTheRelaunch) {
    gLog = GateLog();
    {
        const ScopedPlatformFacts facts(Facts(6, ELEVATION_LIMITED, false, true));
        EnsureElevatedWith(FakeActions(), L"-nostat", 5);
    }
    EXPECT_EQ(gLog.elevatedArguments, L"-nostat /opt_check 5");
    gLog = GateLog();
    {
        const ScopedPlatformFacts facts(Facts(6, ELEVATION_DEFAULT, false, false));
        EnsureElevatedWith(FakeActions(), L"", 3);
    }
    EXPECT_EQ(gLog.credentialArguments, L"/opt_check 3");
}

TEST(ElevationGate, RealFactsUnderWineNeedNoRelaunch) { EXPECT_EQ(EnsureElevated(), 0); }

TEST(ElevationCommandLines, GateArguments) {
    struct Case {
        const wchar_t* extra;
        int32_t bits;
        const wchar_t* arguments;
    };
    const Case cases[] = {
        {L"", kNoOptionBits, L""},
        {L"-nostat", 5, L"-nostat /opt_check 5"},
        {L"", 3, L"/opt_check 3"},
        {L"", 0, L"/opt_check 0"},
        {L"-nostat", kNoOptionBits, L"-nostat"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildGateArguments(c.extra, c.bits), c.arguments) << WideToUtf8(c.extra) << " " << c.bits;
    }
}

TEST(ElevationCommandLines, ArgumentsAfterTheProgramName) {
    struct Case {
        const wchar_t* commandLine;
        const wchar_t* arguments;
    };
    const Case cases[] = {
        {L"\"C:\\Program Files\\Zanvo\\installer.exe\" one \"two three\"", L"one \"two three\""},
        {L"installer.exe  a b", L"a b"},
        {L"installer.exe\t\tb", L"b"},
        {L"\"installer.exe\"", L""},
        {L"installer.exe", L""},
        {L"\"unterminated quote", L""},
        {L"\"a\"b c", L"b c"},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ArgumentsAfterProgramName(c.commandLine), c.arguments) << WideToUtf8(c.commandLine);
    }
}

TEST(ElevationCommandLines, CopiesGetTheArgumentsAndTheHandOver) {
    const std::wstring env = L"\"/env USER_DESKTOP=C:\\d\nZANVO_USER_NAME=u\"";
    EXPECT_EQ(BuildElevatedArguments(L"\"C:\\i.exe\" /noask", L"-nostat /opt_check 5", env),
              L"/noask -nostat /opt_check 5 " + env);
    EXPECT_EQ(BuildElevatedArguments(L"i.exe", L"", env), L" " + env);
    EXPECT_EQ(BuildLogonCommandLine(L"\"C:\\i.exe\" /noask", L"-nostat", env),
              L"\"C:\\i.exe\" /noask -nostat " + env);
    EXPECT_EQ(BuildLogonCommandLine(L"i.exe", L"", env), L"i.exe " + env);
}

std::string Value(const std::map<std::string, std::string>& entries, const std::string& key) {
    auto found = entries.find(key);
    return found != entries.end() ? found->second : std::string("<missing>");
}

TEST(ElevatedRelaunch, TheCopyGetsTheArgumentsAndTheHandOver) {
    const std::wstring key = L"Software\\ZanvoTests\\Relaunch";
    RemoveRegistryTree(HKEY_CURRENT_USER, key);
    TempDir dir;
    const std::wstring record = dir / L"copy.txt";
    const ProcessOutput first =
        RunProcess(L"\"" + HelperPath(L"relaunch_probe.exe") + L"\" \"" + record + L"\" \"two words\" /noask");
    EXPECT_EQ(first.exitCode, 0);  // ended by the gate after the copy started
    ASSERT_TRUE(WaitForFile(record, 30000));
    const auto got = ReadRecordFile(record);

    // Same user and prefix, so the copy's folders are this process's.
    std::string expectedEnv = "\"/env ";
    for (const wchar_t* folder : kHandedOverFolders) {
        expectedEnv += WideToUtf8(folder) + "=" + WideToUtf8(ToWide(GetGlobalParam(folder))) + "\\n";
    }
    wchar_t user[256] = {};
    DWORD size = 256;
    GetUserNameW(user, &size);
    expectedEnv += "ZANVO_USER_NAME=" + WideToUtf8(user) + "\"";
    EXPECT_EQ(Value(got, "arguments"), "\"" + WideToUtf8(record) + "\" \"two words\" /noask -nostat /opt_check 5 " + expectedEnv);
    for (const wchar_t* folder : kHandedOverFolders) {
        EXPECT_EQ(Value(got, WideToUtf8(folder)), WideToUtf8(ToWide(GetGlobalParam(folder)))) << WideToUtf8(folder);
    }
    EXPECT_EQ(Value(got, "ZANVO_USER_NAME"), WideToUtf8(user));

    // The hand-over resolved to this user's SID, and HKCU in the copy meant
    // that user's hive under HKEY_USERS.
    const std::string sid = Value(got, "userSid");
    ASSERT_FALSE(sid.empty());
    ASSERT_NE(sid, "<missing>");
    EXPECT_EQ(Value(got, "written"), "0");
    EXPECT_EQ(Value(got, "deleted"), "0");
    const std::wstring sidText = Utf8ToWide(sid);
    EXPECT_TRUE(ReadRegistryValue(HKEY_USERS, sidText + L"\\" + key, L"written").exists) << sid;
    EXPECT_TRUE(RegistryKeyExists(HKEY_USERS, sidText + L"\\" + key)) << sid;
    EXPECT_FALSE(ReadRegistryValue(HKEY_USERS, sidText + L"\\" + key, L"deleted").exists) << sid;
    RemoveRegistryTree(HKEY_USERS, sidText + L"\\" + key);
}

TEST(ElevatedRelaunch, HandedOverUserOwnsTheCurrentUserKeys) {
    // A copy handed another user (SYSTEM is the one account besides the
    // running one that Wine resolves): HKCU means that user's hive, not the
    // hive of the account the copy runs under.
    const std::wstring key = L"Software\\ZanvoTests\\Relaunch";
    const std::wstring systemHive = L"S-1-5-18\\" + key;
    RemoveRegistryTree(HKEY_CURRENT_USER, key);
    RemoveRegistryTree(HKEY_USERS, systemHive);
    TempDir dir;
    const std::wstring record = dir / L"copy.txt";
    const ProcessOutput copy = RunProcess(L"\"" + HelperPath(L"relaunch_probe.exe") + L"\" \"" + record +
                                          L"\" \"/env USER_DESKTOP=C:\\handed\nZANVO_USER_NAME=SYSTEM\"");
    EXPECT_EQ(copy.exitCode, 0);
    const auto got = ReadRecordFile(record);
    EXPECT_EQ(Value(got, "userSid"), "S-1-5-18");
    EXPECT_EQ(Value(got, "USER_DESKTOP"), "C:\\handed");
    EXPECT_EQ(Value(got, "written"), "0");
    EXPECT_EQ(Value(got, "deleted"), "0");
    EXPECT_TRUE(ReadRegistryValue(HKEY_USERS, systemHive, L"written").exists);
    EXPECT_FALSE(ReadRegistryValue(HKEY_USERS, systemHive, L"deleted").exists);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, key));
    RemoveRegistryTree(HKEY_USERS, systemHive);
}

TEST(ApiError, ReportText) {
    const ApiErrorReport known = BuildApiErrorReport(L"LogonUser", ERROR_LOGON_FAILURE);
    ASSERT_FALSE(known.message.empty());
    EXPECT_NE(known.message.back(), L'\n');
    EXPECT_EQ(known.trace, "ERROR: API        = LogonUser.\n"
                           "       error code = 1326.\n"
                           "       message    = " + WideToUtf8(known.message) + ".\n");
    // A code the system has no text for shows the code, not stale text.
    const ApiErrorReport unknown = BuildApiErrorReport(L"GetUserProfileDirectory", 0x2000ABCD);
    EXPECT_EQ(unknown.message, L"error code: 2000ABCD");
    EXPECT_NE(unknown.trace.find("error code = 536914893."), std::string::npos) << unknown.trace;
}

}  // namespace
