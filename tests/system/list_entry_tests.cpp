// listentry: one whole entry into or out of a list value, the rest untouched.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/xml_processor.h"
#include "system/list_entry_tag.h"
#include "system/registry_access.h"
#include "tests/system/system_test_support.h"

namespace {

TEST(RemoveListEntry, WholeEntriesIgnoringCaseTable) {
    struct Case {
        const char* name;
        const wchar_t* list;
        const wchar_t* entry;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"appended_entry", L"C:\\Windows;C:\\Tools;C:\\Program Files\\Zanvo Archiver", L"c:\\program files\\zanvo archiver",
         L"C:\\Windows;C:\\Tools"},
        {"changes_made_since_stay", L"C:\\Windows;C:\\Zanvo;D:\\Later", L"C:\\Zanvo", L"C:\\Windows;D:\\Later"},
        {"substring_is_not_an_entry", L"C:\\Windows;C:\\Zanvo\\bin", L"C:\\Zanvo", L"C:\\Windows;C:\\Zanvo\\bin"},
        {"only_the_last_of_two", L"C:\\Zanvo;X;C:\\Zanvo", L"C:\\Zanvo", L"C:\\Zanvo;X"},
        {"empty_entries_kept", L"A;;C:\\Zanvo;", L"C:\\Zanvo", L"A;;"},
        {"absent", L"A;B", L"C", L"A;B"},
        {"only_entry", L"C:\\Zanvo", L"C:\\Zanvo", L""},
        {"empty_entry_never_matches", L"A;;B", L"", L"A;;B"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RemoveListEntry(c.list, c.entry, L';'), c.expected) << c.name;
    }
}

TEST(RemoveListEntry, TheTagRewritesTheValueKeepingItsType) {
    const std::wstring key = L"HKEY_CURRENT_USER\\Software\\ZanvoTests\\ListEntry";
    const std::wstring path = L"%SystemRoot%;C:\\Zanvo \u00c4rchiver;D:\\Other";
    RegistryWriteValue(key, L"Path", REG_EXPAND_SZ, path.c_str(), static_cast<DWORD>((path.size() + 1) * 2));
    const std::string xml =
        "<install><package><listentry action='remove' valname='HKCU\\Software\\ZanvoTests\\ListEntry\\Path' "
        "entry='c:\\zanvo \xc3\xa4rchiver'/><listentry action='remove' "
        "valname='HKCU\\Software\\ZanvoTests\\ListEntry\\Absent' entry='x'/><listentry action='remove' "
        "valname='HKCU\\Software\\ZanvoTests\\NoKey\\Path' entry='x'/></package></install>";
    CXMLProcessor processor;
    EXPECT_EQ(processor.ParseAndRun(xml.data(), xml.size()), 0);
    const RegistryValue read = ReadRegistryValue(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListEntry", L"Path");
    ASSERT_TRUE(read.exists);
    EXPECT_EQ(read.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(RegistryReadString(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListEntry", L"Path"),
              L"%SystemRoot%;D:\\Other");
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\NoKey"));
    RemoveRegistryTree(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListEntry");
}

TEST(AddListEntry, AppendsOnlyWhatIsMissing) {
    struct Case {
        const char* name;
        const wchar_t* list;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"appended", L"%SystemRoot%;D:\\Other", L"%SystemRoot%;D:\\Other;C:\\Zanvo"},
        {"present_in_other_case", L"A;c:\\zanvo;B", L"A;c:\\zanvo;B"},
        {"a_longer_entry_is_another", L"C:\\Zanvo\\bin", L"C:\\Zanvo\\bin;C:\\Zanvo"},
        {"empty_list", L"", L"C:\\Zanvo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddListEntry(c.list, L"C:\\Zanvo", L';'), c.expected) << c.name;
    }
}

TEST(AddListEntry, TheTagKeepsReferencesAndTypeAndCreatesAMissingValue) {
    const std::wstring key = L"HKEY_CURRENT_USER\\Software\\ZanvoTests\\ListAdd";
    const std::wstring path = L"%SystemRoot%\\system32;%SystemRoot%";
    RegistryWriteValue(key, L"Path", REG_EXPAND_SZ, path.c_str(), static_cast<DWORD>((path.size() + 1) * 2));
    const std::string xml =
        "<install><package><listentry action='add' valname='HKCU\\Software\\ZanvoTests\\ListAdd\\Path' "
        "valtype='REG_EXPAND_SZ' entry='C:\\Zanvo'/><listentry action='add' "
        "valname='HKCU\\Software\\ZanvoTests\\ListAdd\\New' entry='C:\\Zanvo'/><listentry action='change' "
        "valname='HKCU\\Software\\ZanvoTests\\ListAdd\\Path' entry='x' errorscope='ignore'/></package></install>";
    CXMLProcessor processor;
    EXPECT_EQ(processor.ParseAndRun(xml.data(), xml.size()), 0);
    EXPECT_EQ(RegistryReadString(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListAdd", L"Path"),
              L"%SystemRoot%\\system32;%SystemRoot%;C:\\Zanvo");
    const RegistryValue created = ReadRegistryValue(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListAdd", L"New");
    EXPECT_EQ(created.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(RegistryReadString(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListAdd", L"New"), L"C:\\Zanvo");
    RemoveRegistryTree(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListAdd");
}

}  // namespace
