// InstallerState from the machine: folders, identity, UID and conditions,
// against Wine's real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/installer_state_loading.h"
#include "common/text_conversion.h"
#include "system/platform_facts.h"
#include "system/registry_access.h"
#include "system/registry_key.h"
#include "tests/support/test_support.h"

namespace {

const std::wstring kMachineKey = std::wstring(L"HKEY_LOCAL_MACHINE\\") + kProductRegistryKey;
const std::wstring kUserKey = std::wstring(L"HKEY_CURRENT_USER\\") + kProductRegistryKey;

void RemoveProductKeys() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        RegistryKey key;
        if (OpenRegistryKey(root, L"Software\\ZanvoSoft", KEY_ALL_ACCESS, key) == ERROR_SUCCESS) {
            RegDeleteTreeW(key.Get(), L"ZanvoManager");
        }
    }
}

void WriteText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    ASSERT_EQ(RegistryWriteValue(key, name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * 2)), 0);
}

class InstallerStateLoading : public testing::Test {
protected:
    void SetUp() override { RemoveProductKeys(); }
    void TearDown() override { RemoveProductKeys(); }
    TempDir dir{L"state"};
};

TEST_F(InstallerStateLoading, CleanMachineGetsDefaultsAndANewRecordedUid) {
    const InstallerState state = LoadInstallerState();
    EXPECT_FALSE(state.isUpdate);
    EXPECT_EQ(state.machineInstallDir, DefaultMachineDestination());
    EXPECT_NE(state.machineInstallDir.find(L"\\Zanvo Archiver"), std::wstring::npos);
    EXPECT_EQ(Destination(state, true), state.machineInstallDir);
    EXPECT_FALSE(state.uidKnown);
    EXPECT_EQ(state.uid.size(), 38u);
    EXPECT_EQ(state.buildId, L"100");
    EXPECT_EQ(state.installerChannelId, L"925759");
    EXPECT_EQ(state.channelId, L"925759");
    EXPECT_EQ(state.buildName, L"Test Build");
    // The register_uid script recorded it for the machine.
    EXPECT_EQ(RegistryReadString(HKEY_LOCAL_MACHINE, kProductRegistryKey, L"UID"), state.uid);
    EXPECT_EQ(state.pathAtStart, ReadMachinePath());
}

TEST_F(InstallerStateLoading, MachineWideInstallationIsAnUpdateWithItsChannelAndVersion) {
    const std::wstring destination = dir.Path();
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\ZanvoManager.exe").c_str(), (destination + L"\\ZanvoManager.exe").c_str(),
                          FALSE));
    WriteText(kMachineKey, L"Install_Dir", destination);
    WriteText(kMachineKey, L"ChannelID", L"313131");
    WriteText(kMachineKey, L"UID", L"{11111111-2222-3333-4444-555555555555}");
    const InstallerState state = LoadInstallerState();
    EXPECT_TRUE(state.isUpdate);
    EXPECT_EQ(state.machineInstallDir, destination);
    EXPECT_EQ(state.channelId, L"313131");
    EXPECT_EQ(state.installerChannelId, L"925759");
    EXPECT_TRUE(state.uidKnown);
    EXPECT_EQ(state.uid, L"{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(state.installedVersion, (std::array<int32_t, 4>{1, 4, 2, 0}));
}

TEST_F(InstallerStateLoading, UserInstallationWithSettingsChannelAndUserUid) {
    const std::wstring destination = dir.Path();
    WriteFileBytes(destination + L"\\settings.xml", "<chid>868686</chid>");
    WriteText(kUserKey, L"Install_Dir", destination);
    WriteText(kUserKey, L"UID", L"{aaaaaaaa-2222-3333-4444-555555555555}");
    WriteText(kMachineKey, L"UID", L"{bbbbbbbb-2222-3333-4444-555555555555}");
    const InstallerState state = LoadInstallerState();
    EXPECT_TRUE(state.isUpdate);
    EXPECT_EQ(state.userInstallDir, destination);
    EXPECT_TRUE(state.machineInstallDir.empty());
    EXPECT_EQ(Destination(state, true), destination);  // only the per-user copy is known
    EXPECT_EQ(state.channelId, L"868686");
    EXPECT_EQ(state.uid, L"{aaaaaaaa-2222-3333-4444-555555555555}");  // the user's UID first
    EXPECT_EQ(state.installedVersion, (std::array<int32_t, 4>{0, 0, 0, 0}));
}

TEST_F(InstallerStateLoading, UidOnlyUnderTheMachineKeyRunsNoScript) {
    WriteText(kMachineKey, L"UID", L"{cccccccc-2222-3333-4444-555555555555}");
    const InstallerState state = LoadInstallerState();
    EXPECT_TRUE(state.uidKnown);
    EXPECT_EQ(state.uid, L"{cccccccc-2222-3333-4444-555555555555}");
    EXPECT_FALSE(state.isUpdate);  // a UID alone is no installation
}

TEST(ScriptConditions, EvaluatedFromStateAndFacts) {
    PlatformFacts facts = CurrentPlatformFacts();
    facts.userIsAdmin = true;
    facts.windowsMajor = 6;
    facts.windowsMinor = 2;
    facts.win64 = false;
    ScopedPlatformFacts scoped(facts);

    InstallerState state;
    state.machineInstallDir = L"C:\\Program Files\\Zanvo Archiver";
    state.userInstallDir = L"c:\\program files\\zanvo archiver";
    state.installedVersion = {0, 9, 1, 0};
    state.associationsOption = false;
    const ScriptConditions c = EvaluateScriptConditions(state);
    EXPECT_TRUE(c.admin);
    EXPECT_TRUE(c.win8);
    EXPECT_FALSE(c.win64);
    EXPECT_TRUE(c.oldver);
    EXPECT_FALSE(c.twocopies);  // the same folder in another case
    EXPECT_FALSE(c.assoc);
    EXPECT_TRUE(c.ext);
    EXPECT_FALSE(c.profiles);

    state.installedVersion = {1, 0, 0, 0};
    state.userInstallDir = L"C:\\Users\\x\\AppData\\Local\\Zanvo Archiver";
    facts.windowsMinor = 3;
    ScopedPlatformFacts later(facts);
    const ScriptConditions d = EvaluateScriptConditions(state);
    EXPECT_FALSE(d.oldver);
    EXPECT_TRUE(d.twocopies);
    EXPECT_FALSE(d.win8);
}

TEST(ScriptConditions, PathMissingLooksAnywhereIgnoringCase) {
    const std::wstring original = ReadMachinePath();
    ASSERT_FALSE(original.empty());
    const std::wstring key = L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Session Manager\\Environment";
    struct Case {
        const char* name;
        std::wstring path;
        bool missing;
    };
    const Case cases[] = {
        {"absent", original, true},
        {"present_in_other_case", original + L";c:\\zanvo test\\DEST", false},
        {"part_of_a_longer_entry", original + L";C:\\Zanvo Test\\Dest\\bin", false},
    };
    InstallerState state;
    state.machineInstallDir = L"C:\\Zanvo Test\\Dest";
    for (const Case& c : cases) {
        RegistryWriteValue(key, L"Path", REG_EXPAND_SZ, c.path.c_str(), static_cast<DWORD>((c.path.size() + 1) * 2));
        EXPECT_EQ(EvaluateScriptConditions(state).pathmissing, c.missing) << c.name;
    }
    RegistryWriteValue(key, L"Path", REG_EXPAND_SZ, original.c_str(), static_cast<DWORD>((original.size() + 1) * 2));
}

}  // namespace
