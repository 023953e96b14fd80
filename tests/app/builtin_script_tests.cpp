// The built-in documents, compared whole against reviewed golden files for
// the states and conditions that change them. Set ZANVO_WRITE_GOLDEN=1 to
// rewrite the golden files after a deliberate change, then review the diff.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/builtin_scripts.h"
#include "common/text_conversion.h"
#include "tests/support/test_support.h"

namespace {

struct Variant {
    const char* name;
    void (*change)(InstallerState&, ScriptConditions&, ScriptContext&);
};

InstallerState FreshState() {
    InstallerState state;
    state.machineInstallDir = L"C:\\Program Files\\Zanvo Archiver";
    state.uid = L"{0f8fad5b-d9cb-469f-a165-70867728950e}";
    state.buildId = L"100";
    state.channelId = L"925759";
    state.installerChannelId = L"925759";
    state.buildName = L"Test Build";
    state.pathAtStart = L"C:\\Windows\\system32;C:\\Windows;D:\\\u0422\u0443\u043b\u044b";
    return state;
}

ScriptContext FixedContext() {
    ScriptContext context;
    context.baseUrl = L"http://127.0.0.1:18475";
    context.language = L"en";
    context.selfPath = L"C:\\Users\\joe\\Downloads";
    context.selfName = L"installer.exe";
    context.allUsersDesktop = L"C:\\Users\\Public\\Desktop";
    context.userDesktop = L"C:\\Users\\joe\\Desktop";
    context.allUsersStartMenuPrograms = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
    context.userStartMenuPrograms = L"C:\\Users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
    return context;
}

const Variant kVariants[] = {
    {"admin_fresh", [](InstallerState&, ScriptConditions&, ScriptContext&) {}},
    {"user_fresh",
     [](InstallerState& s, ScriptConditions& c, ScriptContext&) {
         c.admin = false;
         s.machineInstallDir = L"C:\\Program Files\\Zanvo Archiver";
         s.userInstallDir = L"D:\\Apps\\Zanvo";
     }},
    {"user_under_profiles",
     [](InstallerState& s, ScriptConditions& c, ScriptContext&) {
         c.admin = false;
         c.profiles = true;
         s.userInstallDir = L"C:\\Users\\joe\\AppData\\Local\\Zanvo Archiver";
     }},
    {"admin_under_profiles",
     [](InstallerState& s, ScriptConditions& c, ScriptContext&) {
         c.profiles = true;
         s.machineInstallDir = L"C:\\Users\\joe\\AppData\\Local\\Zanvo Archiver";
     }},
    {"admin_32bit_win8_oldver_update",
     [](InstallerState& s, ScriptConditions& c, ScriptContext&) {
         c.win64 = false;
         c.win8 = true;
         c.oldver = true;
         s.isUpdate = true;
         s.channelId = L"111222";
         s.installedVersion = {0, 9, 3, 1};
     }},
    {"admin_replaces_user_copy_no_options",
     [](InstallerState& s, ScriptConditions& c, ScriptContext&) {
         c.twocopies = true;
         c.replace = true;
         c.ext = false;
         c.assoc = false;
         c.stats = false;
         c.pathmissing = false;
         s.userInstallDir = L"C:\\Users\\joe\\AppData\\Local\\Zanvo Archiver";
         s.replaceUserInstall = true;
     }},
    {"admin_two_copies_kept_with_hashes",
     [](InstallerState& s, ScriptConditions& c, ScriptContext& x) {
         c.twocopies = true;
         s.userInstallDir = L"C:\\Users\\joe\\AppData\\Local\\Zanvo Archiver";
         x.hashes.qt = L"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
         x.hashes.main = L"FEDCBA9876543210FEDCBA9876543210FEDCBA9876543210FEDCBA9876543210";
     }},
};

std::wstring GoldenPath(const std::string& file) {
    const char* source = std::getenv("ZANVO_SOURCE_DIR");
    return Utf8ToWide(std::string(source ? source : ".") + "/tests/app/golden/" + file);
}

void CompareWithGolden(const std::string& file, const std::string& text) {
    const std::wstring path = GoldenPath(file);
    if (std::getenv("ZANVO_WRITE_GOLDEN") != nullptr) {
        WriteFileBytes(path, text);
        return;
    }
    EXPECT_EQ(ReadFileBytes(path), text) << file;
}

class BuiltinScripts : public testing::TestWithParam<Variant> {};

TEST_P(BuiltinScripts, DocumentsMatchTheirGoldenFiles) {
    const Variant& v = GetParam();
    InstallerState state = FreshState();
    ScriptConditions conditions;
    ScriptContext context = FixedContext();
    v.change(state, conditions, context);
    const ScriptPaths paths{L"C:\\Temp\\zanvo_install.xml", L"C:\\Temp\\zanvo_uninstall.xml",
                            L"C:\\Temp\\zanvo_undo.xml"};
    const ScriptInputs inputs{paths, state, conditions, context};
    CompareWithGolden(std::string(v.name) + ".install.xml", InstallScriptText(inputs));
    CompareWithGolden(std::string(v.name) + ".uninstall.xml", RemovalScriptText(inputs, RemovalKind::Uninstall));
    CompareWithGolden(std::string(v.name) + ".undo.xml", RemovalScriptText(inputs, RemovalKind::Undo));
}

INSTANTIATE_TEST_SUITE_P(App, BuiltinScripts, testing::ValuesIn(kVariants),
                         [](const testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });

TEST(BuiltinScripts, WrittenFilesAreTheTextsAndRunnable) {
    TempDir dir(L"bs\u00e9");
    const ScriptPaths paths{dir / L"zanvo_install.xml", dir / L"zanvo_uninstall.xml", dir / L"zanvo_undo.xml"};
    const InstallerState state = FreshState();
    const ScriptConditions conditions;
    const ScriptContext context = FixedContext();
    const ScriptInputs inputs{paths, state, conditions, context};
    ASSERT_EQ(BuildInstallScript(inputs), 0);
    ASSERT_EQ(BuildRemovalScript(inputs, RemovalKind::Uninstall), 0);
    ASSERT_EQ(BuildRemovalScript(inputs, RemovalKind::Undo), 0);
    EXPECT_EQ(ReadFileBytes(paths.install), InstallScriptText(inputs));
    EXPECT_EQ(ReadFileBytes(paths.uninstall), RemovalScriptText(inputs, RemovalKind::Uninstall));
    const std::string text = ReadFileBytes(paths.undo);
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(text.back(), '\n');
    // Replacing an existing file.
    WriteFileBytes(paths.undo, std::string(100000, 'x'));
    ASSERT_EQ(BuildRemovalScript(inputs, RemovalKind::Undo), 0);
    EXPECT_EQ(ReadFileBytes(paths.undo), text);
    // A folder that does not exist gives the system's code.
    const ScriptPaths nowhere{dir / L"no\\i.xml", dir / L"no\\u.xml", dir / L"no\\d.xml"};
    EXPECT_EQ(BuildInstallScript(ScriptInputs{nowhere, state, conditions, context}), ERROR_PATH_NOT_FOUND);
}

TEST(InstallerState, DestinationAndProfiles) {
    struct Case {
        const char* name;
        const wchar_t* machine;
        const wchar_t* user;
        bool admin;
        const wchar_t* destination;
    };
    const Case cases[] = {
        {"admin_machine_first", L"C:\\M", L"C:\\U", true, L"C:\\M"},
        {"admin_only_user_known", L"", L"C:\\U", true, L"C:\\U"},
        {"user_user_first", L"C:\\M", L"C:\\U", false, L"C:\\U"},
        {"user_only_machine_known", L"C:\\M", L"", false, L"C:\\M"},
    };
    for (const Case& c : cases) {
        InstallerState state;
        state.machineInstallDir = c.machine;
        state.userInstallDir = c.user;
        EXPECT_EQ(Destination(state, c.admin), c.destination) << c.name;
        EXPECT_EQ(ProductProgramPath(state, c.admin), std::wstring(c.destination) + L"\\ZanvoManager.exe") << c.name;
    }
    EXPECT_TRUE(IsUnderProfiles(L"c:\\users\\joe\\AppData", L"C:\\Users"));
    EXPECT_FALSE(IsUnderProfiles(L"C:\\Program Files\\Zanvo Archiver", L"C:\\Users"));
    EXPECT_FALSE(IsUnderProfiles(L"C:\\", L"C:\\Users"));
    EXPECT_TRUE(IsUnderProfiles(L"D:\\anything", L""));
}

}  // namespace
