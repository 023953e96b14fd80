// The registry side of the delete tag: whole trees, single values, and the
// names its deletefile children spare at every depth.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/result_codes.h"
#include "engine/flow_tags.h"
#include "files/file_tags.h"
#include "engine/xml_processor.h"
#include "system/registry_access.h"
#include "system/registry_delete.h"
#include "tests/system/system_test_support.h"

namespace {

const std::wstring kBase = L"Software\\ZanvoTests\\Delete";
const std::wstring kApp = kBase + L"\\App";

// A parent like the delete tag, whose deletefile children are the given
// (name, skip) rules.
struct DeleteParent {
    explicit DeleteParent(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> rules)
        : params(std::make_shared<CParamsHandler>()),
          progress(std::make_shared<CMainProgress>()),
          handler(params, progress) {
        for (const auto& [name, skip] : rules) {
            auto child = std::make_shared<CDeleteFileHandler>(params, progress);
            child->attributes = {{L"name", name}, {L"skip", skip}};
            handler.children.push_back(child);
        }
    }
    ParamsPtr params;
    ProgressPtr progress;
    CPackageGroupHandler handler;
};

class RegistryDelete : public testing::Test {
protected:
    void SetUp() override { RemoveRegistryTree(HKEY_CURRENT_USER, kBase); }
    void TearDown() override { RemoveRegistryTree(HKEY_CURRENT_USER, kBase); }
};

bool HasValue(const std::wstring& key, const std::wstring& name) {
    return ReadRegistryValue(HKEY_CURRENT_USER, key, name).exists;
}

bool HasKey(const std::wstring& key) { return RegistryKeyExists(HKEY_CURRENT_USER, key); }

TEST(RegistryPath, RecognisesRootNames) {
    struct Case {
        const wchar_t* path;
        bool registry;
    };
    const Case cases[] = {
        {L"HKCU\\Software\\X", true},     {L"hkcr/SomeKey", true},  {L"HKEY_LOCAL_MACHINE\\Software", true},
        {L"HKU", true},                   {L"HKCC\\x", true},       {L"C:\\Temp\\x", false},
        {L"\\HKCU\\Software", false},     {L"HKCUX\\a", false},     {L"relative\\file.txt", false},
        {L"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRegistryPath(c.path), c.registry) << WideToUtf8(c.path);
    }
}

TEST_F(RegistryDelete, SparedNamesKeepTheKeysAboveThemAtEveryDepth) {
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"A", L"a");
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"UID", L"keep");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S1", L"X", L"x");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S1\\S2", L"Uid", L"keep too");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S1\\S2", L"Y", L"y");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S3\\UID", L"Z", L"inside a spared key");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S4\\S5", L"W", L"w");

    DeleteParent parent({{L"other", L"true"}, {L"uid", L"TRUE"}, {L"A", L"false"}});
    EXPECT_EQ(DeleteRegistryPath(parent.handler, L"HKCU\\" + kApp), RESULT_GENERAL_ERROR);

    EXPECT_TRUE(HasValue(kApp, L"UID"));
    EXPECT_FALSE(HasValue(kApp, L"A"));  // skip="false" spares nothing
    EXPECT_FALSE(HasValue(kApp + L"\\S1", L"X"));
    EXPECT_TRUE(HasValue(kApp + L"\\S1\\S2", L"Uid"));
    EXPECT_FALSE(HasValue(kApp + L"\\S1\\S2", L"Y"));
    EXPECT_TRUE(HasValue(kApp + L"\\S3\\UID", L"Z"));  // a spared key is not entered
    EXPECT_FALSE(HasKey(kApp + L"\\S4"));
}

TEST_F(RegistryDelete, TreeWithoutSparedNamesGoes) {
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"A", L"a");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S1\\S2\\S3", L"B", L"b");
    SetRegistryText(HKEY_CURRENT_USER, kApp + L"\\S4", L"C", L"c");
    DeleteParent parent({{L"UID", L"true"}});
    EXPECT_EQ(DeleteRegistryPath(parent.handler, L"HKEY_CURRENT_USER/" + kApp), 0);
    EXPECT_FALSE(HasKey(kApp));
    EXPECT_TRUE(HasKey(kBase));
}

TEST_F(RegistryDelete, SparedValueBehindAVeryLongNameStays) {
    // Enumeration stops at a name its buffer cannot hold; the spared value
    // behind it must not go with the key.
    SetRegistryText(HKEY_CURRENT_USER, kApp, std::wstring(3000, L'n'), L"long");
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"UID", L"keep");
    DeleteParent parent({{L"UID", L"true"}});
    EXPECT_EQ(DeleteRegistryPath(parent.handler, L"HKCU\\" + kApp), RESULT_GENERAL_ERROR);
    EXPECT_TRUE(HasValue(kApp, L"UID"));
    EXPECT_FALSE(HasValue(kApp, std::wstring(3000, L'n')));
}

TEST_F(RegistryDelete, ValuesAndMissingThings) {
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"Value", L"v");
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"UID", L"u");
    SetRegistryText(HKEY_CURRENT_USER, kApp, L"Other", L"o");
    DeleteParent parent({{L"UID", L"true"}});
    struct Case {
        const char* name;
        std::wstring path;
        int32_t result;
    };
    const Case cases[] = {
        {"value", L"HKCU\\" + kApp + L"\\Value", 0},
        {"missing_value", L"HKCU\\" + kApp + L"\\Value", 0},
        {"spared_value", L"HKCU\\" + kApp + L"\\UID", 0},
        {"value_under_missing_key", L"HKCU\\" + kBase + L"\\Gone\\Value", 0},
        {"missing_key_under_missing_key", L"HKCU\\" + kBase + L"\\Gone\\Deeper\\Key", 0},
        {"no_separator", L"HKCU", ERROR_FILE_NOT_FOUND},
        {"bad_root", L"HKXX\\" + kApp, ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeleteRegistryPath(parent.handler, c.path), c.result) << c.name;
    }
    EXPECT_FALSE(HasValue(kApp, L"Value"));
    EXPECT_TRUE(HasValue(kApp, L"UID"));
    EXPECT_TRUE(HasValue(kApp, L"Other"));
    EXPECT_EQ(DeleteRegistryTree(parent.handler, HKEY_CURRENT_USER, kBase + L"\\Gone"), ERROR_FILE_NOT_FOUND);
}

TEST(RegistryDeleteRoots, ClassesRootKey) {
    const std::wstring key = L"ZanvoTests.DeleteMe";
    SetRegistryText(HKEY_CLASSES_ROOT, key + L"\\shell", L"", L"open");
    ASSERT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, key));
    DeleteParent parent({});
    EXPECT_EQ(DeleteRegistryPath(parent.handler, L"HKCR\\" + key), 0);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, key));
}

}  // namespace

namespace {

// The delete tag itself sends registry paths to the registry and others to
// the file system.
TEST_F(RegistryDelete, TheDeleteTagRoutesRegistryPaths) {
    RegistryWriteValue(L"HKEY_CURRENT_USER\\" + kApp + L"\\Sub", L"UID", REG_SZ, L"k", 4);
    RegistryWriteValue(L"HKEY_CURRENT_USER\\" + kApp, L"gone", REG_SZ, L"g", 4);
    const std::string xml = "<install><package><delete path='HKEY_CURRENT_USER\\" + WideToUtf8(kApp) +
                            "' errorscope='ignore'><deletefile name='UID' skip='true'/></delete>"
                            "<delete path='HKCU\\" + WideToUtf8(kApp) + "\\Sub\\UID'/></package></install>";
    CXMLProcessor processor;
    EXPECT_EQ(processor.ParseAndRun(xml.data(), xml.size()), 0);
    EXPECT_FALSE(HasValue(kApp, L"gone"));
    EXPECT_FALSE(HasValue(kApp + L"\\Sub", L"UID"));  // the second delete names the value alone
    EXPECT_TRUE(HasKey(kApp + L"\\Sub"));
}

}  // namespace
