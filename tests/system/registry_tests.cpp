// Registry paths, the value data, the writer, the reader, the registry and
// RegistryVersion tags, against Wine's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "system/file_version.h"
#include "system/registry_access.h"
#include "system/registry_key.h"
#include "system/registry_tags.h"
#include "tests/system/system_test_support.h"

namespace {

const wchar_t kTestKey[] = L"Software\\ZanvoTests\\Registry";

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { RemoveRegistryTree(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RemoveRegistryTree(HKEY_CURRENT_USER, kTestKey); }
};

std::vector<BYTE> Bytes(std::initializer_list<int> values) {
    std::vector<BYTE> bytes;
    for (int v : values) {
        bytes.push_back(static_cast<BYTE>(v));
    }
    return bytes;
}

TEST(RegistryRoot, NamesAndRedirection) {
    struct Case {
        const wchar_t* name;
        const wchar_t* sid;
        HKEY key;
        const wchar_t* prefix;
    };
    const Case cases[] = {
        {L"HKLM", L"", HKEY_LOCAL_MACHINE, L""},
        {L"hkey_local_machine", L"", HKEY_LOCAL_MACHINE, L""},
        {L"HKCR", L"", HKEY_CLASSES_ROOT, L""},
        {L"HKEY_CLASSES_ROOT", L"", HKEY_CLASSES_ROOT, L""},
        {L"HKCU", L"", HKEY_CURRENT_USER, L""},
        {L"Hkey_Current_User", L"", HKEY_CURRENT_USER, L""},
        {L"HKU", L"", HKEY_USERS, L""},
        {L"HKEY_USERS", L"", HKEY_USERS, L""},
        {L"HKCC", L"", HKEY_CURRENT_CONFIG, L""},
        {L"HKEY_CURRENT_CONFIG", L"", HKEY_CURRENT_CONFIG, L""},
        {L"HKCU", L"S-1-5-21-1", HKEY_USERS, L"S-1-5-21-1"},
        {L"HKEY_CURRENT_USER", L"S-1-5-21-1", HKEY_USERS, L"S-1-5-21-1"},
        {L"HKLM", L"S-1-5-21-1", HKEY_LOCAL_MACHINE, L""},
        {L"HKU", L"S-1-5-21-1", HKEY_USERS, L""},
        {L"", L"", nullptr, L""},
        {L"HKXX", L"", nullptr, L""},
        {L"HKLMX", L"", nullptr, L""},
        {L"C:", L"", nullptr, L""},
    };
    for (const Case& c : cases) {
        const RegistryRoot root = ParseRegistryRoot(c.name, c.sid);
        EXPECT_EQ(root.key, c.key) << WideToUtf8(c.name) << " " << WideToUtf8(c.sid);
        EXPECT_EQ(root.prefix, c.prefix) << WideToUtf8(c.name) << " " << WideToUtf8(c.sid);
    }
    // The test program was not handed a user: no redirection.
    EXPECT_EQ(ParseRegistryRoot(L"HKCU").key, HKEY_CURRENT_USER);
}

TEST(RegistryData, TypesAndBytes) {
    struct Case {
        const char* name;
        const wchar_t* valtype;
        const wchar_t* text;
        DWORD type;
        std::vector<BYTE> bytes;
    };
    const Case cases[] = {
        // Text values end with their NUL; REG_MULTI_SZ also with the list's.
        {"sz_abc_is_8_bytes", L"REG_SZ", L"abc", REG_SZ, TextBytes(L"abc", 1)},
        {"sz_lower_case", L"reg_sz", L"abc", REG_SZ, TextBytes(L"abc", 1)},
        {"sz_empty_is_one_nul", L"REG_SZ", L"", REG_SZ, TextBytes(L"", 1)},
        {"no_valtype_is_sz", L"", L"x", REG_SZ, TextBytes(L"x", 1)},
        {"unknown_valtype_is_sz", L"REG_LINK", L"x", REG_SZ, TextBytes(L"x", 1)},
        {"expand_sz_stays_unexpanded", L"REG_EXPAND_SZ", L"%PATH%", REG_EXPAND_SZ, TextBytes(L"%PATH%", 1)},
        {"multi_sz_has_list_terminator", L"REG_MULTI_SZ", L"abc", REG_MULTI_SZ, TextBytes(L"abc", 2)},
        {"binary_is_the_texts_own_bytes", L"REG_BINARY", L"ab", REG_BINARY, Bytes({'a', 0, 'b', 0})},
        {"dword_1", L"reg_dword", L"1", REG_DWORD, Bytes({1, 0, 0, 0})},
        {"dword_text_is_0", L"reg_dword", L"abc", REG_DWORD, Bytes({0, 0, 0, 0})},
        {"dword_blanks_sign_and_tail", L"REG_DWORD", L"  -2x", REG_DWORD, Bytes({0xFE, 0xFF, 0xFF, 0xFF})},
        {"dword_keeps_low_32_bits", L"REG_DWORD", L"4294967297", REG_DWORD, Bytes({1, 0, 0, 0})},
        {"dword_little_endian", L"REG_DWORD", L"305419896", REG_DWORD, Bytes({0x78, 0x56, 0x34, 0x12})},
        {"qword_minus_1", L"REG_QWORD", L"-1", REG_QWORD, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"qword_big", L"reg_qword", L"4294967297", REG_QWORD, Bytes({1, 0, 0, 0, 1, 0, 0, 0})},
    };
    for (const Case& c : cases) {
        const RegistryData data = BuildRegistryData(RegistryTypeFromText(c.valtype), c.text);
        EXPECT_EQ(data.type, c.type) << c.name;
        EXPECT_EQ(data.bytes, c.bytes) << c.name;
    }
}

TEST_F(RegistryTest, TagWritesValuesReadBackByteForByte) {
    struct Case {
        const char* name;
        std::wstring valname;
        const wchar_t* valtype;
        const wchar_t* text;
        std::wstring key;
        const wchar_t* value;
        DWORD type;
        std::vector<BYTE> bytes;
    };
    const std::wstring base = L"HKCU\\" + std::wstring(kTestKey);
    const std::wstring key = kTestKey;
    const Case cases[] = {
        {"sz", base + L"\\A\\Name", L"reg_sz", L"abc", key + L"\\A", L"Name", REG_SZ, TextBytes(L"abc", 1)},
        {"dword", base + L"\\A\\Count", L"reg_dword", L"1", key + L"\\A", L"Count", REG_DWORD, Bytes({1, 0, 0, 0})},
        {"qword", base + L"\\A\\Big", L"REG_QWORD", L"-1", key + L"\\A", L"Big", REG_QWORD,
         Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"multi_sz", base + L"\\A\\List", L"REG_MULTI_SZ", L"one", key + L"\\A", L"List", REG_MULTI_SZ,
         TextBytes(L"one", 2)},
        // (A name the engine knows would be expanded before the tag runs.)
        {"expand_sz", base + L"\\A\\Expand", L"REG_EXPAND_SZ", L"%ZANVO_UNDEFINED%\\x", key + L"\\A", L"Expand",
         REG_EXPAND_SZ, TextBytes(L"%ZANVO_UNDEFINED%\\x", 1)},
        {"binary", base + L"\\A\\Bin", L"REG_BINARY", L"ab", key + L"\\A", L"Bin", REG_BINARY,
         Bytes({'a', 0, 'b', 0})},
        {"default_is_the_unnamed_value", base + L"\\B\\DEFAULT", L"", L"d", key + L"\\B", L"", REG_SZ,
         TextBytes(L"d", 1)},
        {"long_root_name_and_deep_keys", L"HKEY_CURRENT_USER\\" + key + L"\\C\\D\\E\\V", L"", L"deep",
         key + L"\\C\\D\\E", L"V", REG_SZ, TextBytes(L"deep", 1)},
        {"separator_runs_count_as_one", L"HKCU//" + key + L"\\\\F/V", L"", L"f", key + L"\\F", L"V", REG_SZ,
         TextBytes(L"f", 1)},
        {"trailing_separator_names_the_value", base + L"\\G\\V\\", L"", L"g", key + L"\\G", L"V", REG_SZ,
         TextBytes(L"g", 1)},
    };
    for (const Case& c : cases) {
        const TagRun run = RunTag<CRegistryHandler>({{L"valname", ToCi(c.valname)}, {L"valtype", c.valtype}}, c.text);
        EXPECT_EQ(run.result, 0) << c.name;
        EXPECT_EQ(run.action, L"Create reg entry " + c.valname + L" = " + c.text) << c.name;
        const RegistryValue value = ReadRegistryValue(HKEY_CURRENT_USER, c.key, c.value);
        ASSERT_TRUE(value.exists) << c.name;
        EXPECT_EQ(value.type, c.type) << c.name;
        EXPECT_EQ(value.bytes, c.bytes) << c.name;
    }
}

TEST_F(RegistryTest, TagNeverFailsTheScript) {
    struct Case {
        const char* name;
        const wchar_t* valname;
    };
    const Case cases[] = {
        {"no_separator", L"ZanvoTestsValue"},
        {"root_outside_the_table", L"HKXX\\Software\\ZanvoTests\\Registry\\V"},
        {"leading_separator", L"\\HKCU\\Software\\ZanvoTests\\Registry\\V"},
        {"empty", L""},
    };
    for (const Case& c : cases) {
        const TagRun run = RunTag<CRegistryHandler>({{L"valname", c.valname}}, L"x");
        EXPECT_EQ(run.result, 0) << c.name;
    }
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(ReadRegistryValue(HKEY_CURRENT_USER, L"", L"ZanvoTestsValue").exists);
}

TEST_F(RegistryTest, WriterResults) {
    const std::wstring data = L"v";
    const auto size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    EXPECT_EQ(RegistryWriteValue(L"", L"V", REG_SZ, data.c_str(), size), 0);
    EXPECT_EQ(RegistryWriteValue(L"HKXX\\Software", L"V", REG_SZ, data.c_str(), size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegistryWriteValue(L"\\Software", L"V", REG_SZ, data.c_str(), size), ERROR_FILE_NOT_FOUND);
    // A key path of the root alone writes into the root key itself.
    EXPECT_EQ(RegistryWriteValue(L"HKCU", L"ZanvoTestsRootValue", REG_SZ, data.c_str(), size), 0);
    EXPECT_TRUE(ReadRegistryValue(HKEY_CURRENT_USER, L"", L"ZanvoTestsRootValue").exists);
    RegDeleteValueW(HKEY_CURRENT_USER, L"ZanvoTestsRootValue");
}

TEST(RegistryView, MachineValuesLandInThe32BitView) {
    const std::wstring key = L"Software\\ZanvoTests\\View";
    RemoveRegistryTree(HKEY_LOCAL_MACHINE, key);
    const TagRun run = RunTag<CRegistryHandler>({{L"valname", ToCi(L"HKLM\\" + key + L"\\V")}}, L"32");
    EXPECT_EQ(run.result, 0);
    EXPECT_TRUE(ReadRegistryValue(HKEY_LOCAL_MACHINE, key, L"V", KEY_WOW64_32KEY).exists);
    EXPECT_TRUE(ReadRegistryValue(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\ZanvoTests\\View", L"V",
                                  KEY_WOW64_64KEY)
                    .exists);
    EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, key, L"V", KEY_WOW64_64KEY).exists);
    EXPECT_EQ(RegistryReadString(HKEY_LOCAL_MACHINE, key, L"V"), L"32");
    RemoveRegistryTree(HKEY_LOCAL_MACHINE, key);
}

TEST_F(RegistryTest, ReaderReturnsTextValuesOnly) {
    SetRegistryText(HKEY_CURRENT_USER, kTestKey, L"Sz", L"text");
    SetRegistryValue(HKEY_CURRENT_USER, kTestKey, L"Expand", REG_EXPAND_SZ, TextBytes(L"%TEMP%", 1));
    SetRegistryValue(HKEY_CURRENT_USER, kTestKey, L"NoNul", REG_SZ, TextBytes(L"abc", 0));
    SetRegistryValue(HKEY_CURRENT_USER, kTestKey, L"Number", REG_DWORD, Bytes({1, 0, 0, 0}));
    SetRegistryText(HKEY_CURRENT_USER, kTestKey, L"", L"unnamed");
    struct Case {
        const char* name;
        std::wstring subkey;
        const wchar_t* value;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"sz", kTestKey, L"Sz", L"text"},
        {"expand_sz_unexpanded", kTestKey, L"Expand", L"%TEMP%"},
        {"written_without_nul", kTestKey, L"NoNul", L"abc"},
        {"unnamed", kTestKey, L"", L"unnamed"},
        {"dword_reads_empty", kTestKey, L"Number", L""},
        {"missing_value", kTestKey, L"Missing", L""},
        {"missing_key", std::wstring(kTestKey) + L"\\Missing", L"Sz", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegistryReadString(HKEY_CURRENT_USER, c.subkey, c.value), c.expected) << c.name;
    }
}

TEST(FileVersionText, Tokens) {
    struct Case {
        const wchar_t* text;
        int32_t major, minor, build, revision;
    };
    const Case cases[] = {
        {L"2, 3, 8, 0", 2, 3, 8, 0},
        {L"1.2", 1, 2, 0, 0},
        {L"7.8.9.10.11", 7, 8, 9, 10},
        {L"  -3;;x4:5\t6", -3, 0, 5, 6},
        {L"4\n5 (build)", 4, 5, 0, 0},
        {L"", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const FileVersion v = ParseFileVersionText(c.text);
        EXPECT_EQ(FormatFileVersion(v), FormatFileVersion({false, c.major, c.minor, c.build, c.revision}))
            << WideToUtf8(c.text);
    }
}

TEST(FileVersion, ReadsTheFileVersionString) {
    const FileVersion version = ReadFileVersion(HelperPath(L"exit_code_helper.exe"));
    EXPECT_TRUE(version.found);
    EXPECT_EQ(FormatFileVersion(version), L"2.3.8.0");  // not the fixed 9.9.9.9
    const FileVersion none = ReadFileVersion(HelperPath(L"no_such_file.exe"));
    EXPECT_FALSE(none.found);
    EXPECT_EQ(FormatFileVersion(none), L"0.0.0.0");
}

TEST_F(RegistryTest, RegistryVersionTag) {
    const std::wstring key = kTestKey;
    struct Case {
        const char* name;
        std::wstring src;
        std::wstring dst;
        int32_t result;
        const wchar_t* written;  // nullptr: nothing written
    };
    const Case cases[] = {
        {"version_of_a_file", HelperPath(L"exit_code_helper.exe"), L"HKCU\\" + key + L"\\Version", 0, L"2.3.8.0"},
        {"file_without_version", HelperPath(L"no_such_file.exe"), L"HKCU\\" + key + L"\\Missing", 0, L"0.0.0.0"},
        {"default_value", HelperPath(L"exit_code_helper.exe"), L"HKCU\\" + key + L"\\default", 0, L"2.3.8.0"},
        {"bad_root_fails", HelperPath(L"exit_code_helper.exe"), L"HKXX\\" + key + L"\\Bad", ERROR_FILE_NOT_FOUND,
         nullptr},
    };
    for (const Case& c : cases) {
        const TagRun run = RunTag<CRegistryVersionHandler>({{L"src", ToCi(c.src)}, {L"dst", ToCi(c.dst)}});
        EXPECT_EQ(run.result, c.result) << c.name;
        EXPECT_EQ(run.action, L"Create reg entry " + c.dst + L" = " + c.src) << c.name;
        if (c.written == nullptr) {
            continue;
        }
        const RegistryValuePath path = SplitRegistryValuePath(c.dst);
        const RegistryValue value = ReadRegistryValue(HKEY_CURRENT_USER, key, path.valueName);
        ASSERT_TRUE(value.exists) << c.name;
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << c.name;
        EXPECT_EQ(value.bytes, TextBytes(c.written, 1)) << c.name;
    }
}

}  // namespace
