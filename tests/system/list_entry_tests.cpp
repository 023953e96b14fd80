// removelistentry: one whole entry out of a list value, the rest untouched.
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
        "<install><package><removelistentry valname='HKCU\\Software\\ZanvoTests\\ListEntry\\Path' "
        "entry='c:\\zanvo \xc3\xa4rchiver'/><removelistentry valname='HKCU\\Software\\ZanvoTests\\ListEntry\\Absent' "
        "entry='x'/><removelistentry valname='HKCU\\Software\\ZanvoTests\\NoKey\\Path' entry='x'/></package></install>";
    CXMLProcessor processor;
    EXPECT_EQ(processor.ParseAndRun(xml.data(), xml.size()), 0);
    const RegistryValue read = ReadRegistryValue(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListEntry", L"Path");
    ASSERT_TRUE(read.exists);
    EXPECT_EQ(read.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(RegistryReadString(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListEntry", L"Path"),
              L"%SystemRoot%;D:\\Other");
    RemoveRegistryTree(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\ListEntry");
}

}  // namespace
