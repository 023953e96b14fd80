// The copyfile, delete, deletefile and createdir tags run through the engine,
// source locators, and the resources compiled into this program
// (test_resources.rc: 101 "resource one-oh-one", 7 "seven").
#include <gtest/gtest.h>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "files/source_location.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

std::string U8(const std::wstring& text) { return WideToUtf8(text); }

ScriptRun RunTag(const std::string& tag) { return RunXml("<install><package>" + tag + "</package></install>"); }

TEST(SourceLocation, ClassifiesByPrefixIgnoringCase) {
    struct Case {
        std::wstring locator;
        SourceKind kind;
    };
    const Case cases[] = {
        {L"res://setup.zip", SourceKind::Resource}, {L"RES://", SourceKind::Resource},
        {L"http://127.0.0.1/a.zip", SourceKind::Url}, {L"HTTPS://127.0.0.1/a.zip", SourceKind::Url},
        {L"bin://bundle.bin", SourceKind::Bundle},  {L"Bin://", SourceKind::Bundle},
        {L"C:\\dir\\a.zip", SourceKind::Path},      {L"ftp://host/a.zip", SourceKind::Path},
        {L"res:/x", SourceKind::Path},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifySource(c.locator), c.kind) << WideToUtf8(c.locator);
    }
    EXPECT_EQ(ParseResourceId(L"", 101), 101);
    EXPECT_EQ(ParseResourceId(L"  7x", 101), 7);
    EXPECT_EQ(ParseResourceId(L"-3", 0), -3);
    EXPECT_EQ(ParseResourceId(L"x", 101), 0);
}

TEST(CopyfileTag, EmbeddedResources) {
    struct Case {
        const char* name;
        std::string attributes;  // besides dst
        int32_t result;
        std::string content;     // of dst afterwards; empty: dst untouched
        std::wstring shown;      // the locator the action text shows
    };
    const Case cases[] = {
        {"res_without_resid_is_101", "src='res://whatever.zip'", 0, "resource one-oh-one", L"res://setup.zip"},
        {"res_with_resid", "src='res://' resid='7'", 0, "seven", L"res://setup.zip"},
        {"res_in_capitals", "src='RES://x' resid=' 7'", 0, "seven", L"res://setup.zip"},
        {"bin_with_resid", "src='bin://bundle.bin' resid='7'", 0, "seven", L"res://bundle.bin"},
        {"bin_without_resid_is_0", "src='bin://bundle.bin'", ERROR_RESOURCE_NAME_NOT_FOUND, "", L"res://bundle.bin"},
        {"missing_id", "src='res://' resid='999'", ERROR_RESOURCE_NAME_NOT_FOUND, "", L"res://setup.zip"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::wstring dst = dir / L"out\\file.bin";
        CreateDirectoryW((dir / L"out").c_str(), nullptr);
        WriteFileBytes(dst, "before");
        const ScriptRun run = RunTag("<copyfile " + c.attributes + " dst='" + U8(dst) + "'/>");
        EXPECT_EQ(run.result, c.result) << c.name;
        EXPECT_EQ(ReadFileBytes(dst), c.content.empty() ? "before" : c.content) << c.name;
        EXPECT_NE(run.statusLine.find(L"action:Extract " + c.shown + L" to " + dst), std::wstring::npos)
            << c.name << " " << WideToUtf8(run.statusLine);
    }
}

TEST(CopyfileTag, ResourceReplacesAFolderTreeAndCreatesFolders) {
    TempDir dir;
    const std::wstring dst = dir / L"tree";
    CreateDirectoryW(dst.c_str(), nullptr);
    CreateDirectoryW((dst + L"\\sub").c_str(), nullptr);
    WriteFileBytes(dst + L"\\sub\\f.txt", "f");
    EXPECT_EQ(RunTag("<copyfile src='res://' dst='" + U8(dst) + "'/>").result, 0);
    EXPECT_EQ(ReadFileBytes(dst), "resource one-oh-one");

    const std::wstring nested = dir / L"a\\b\\c.bin";
    EXPECT_EQ(RunTag("<copyfile src='bin://' resid='7' dst='" + U8(nested) + "'/>").result, 0);
    EXPECT_EQ(ReadFileBytes(nested), "seven");
}

TEST(CopyfileTag, PathsAndMissingAttributes) {
    TempDir dir;
    WriteFileBytes(dir / L"f.txt", "content");
    EXPECT_EQ(RunTag("<copyfile src='" + U8(dir / L"f.txt") + "' dst='" + U8(dir / L"g\\f.txt") + "'/>").result, 0);
    EXPECT_EQ(ReadFileBytes(dir / L"g\\f.txt"), "content");

    EXPECT_EQ(RunTag("<copyfile src='" + U8(dir / L"f.txt") + "'/>").result, 0);
    EXPECT_EQ(RunTag("<copyfile dst='" + U8(dir / L"h.txt") + "'/>").result, 0);
    EXPECT_FALSE(PathExists(dir / L"h.txt"));
}

TEST(DeleteTag, FilesAndTrees) {
    TempDir dir;
    WriteFileBytes(dir / L"f.txt", "x");
    CreateDirectoryW((dir / L"tree").c_str(), nullptr);
    WriteFileBytes(dir / L"tree\\g.txt", "y");
    const ScriptRun run = RunTag("<delete path='" + U8(dir / L"f.txt") + "'/><delete path='" +
                                 U8(dir.Path() + L"/tree") + "'><deletefile name='g.txt' skip='true'/></delete>");
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(PathExists(dir / L"f.txt"));
    EXPECT_FALSE(PathExists(dir / L"tree"));  // deletefile rules are for the registry only
    EXPECT_NE(run.statusLine.find(L"action:Delete tree;"), std::wstring::npos) << WideToUtf8(run.statusLine);
    EXPECT_EQ(RunTag("<delete/>").result, 0);
}

TEST(CreatedirTag, CreatesReplacesAFileAndDescribesItself) {
    TempDir dir;
    const std::wstring nested = dir / L"a\\b";
    ScriptRun run = RunTag("<createdir dst='" + U8(nested) + "'/>");
    EXPECT_EQ(run.result, 0);
    EXPECT_TRUE(PathExists(nested));
    EXPECT_NE(run.statusLine.find(L"action:Create dir " + nested + L"; name:Installing..."), std::wstring::npos)
        << WideToUtf8(run.statusLine);

    EXPECT_EQ(RunTag("<createdir dst='" + U8(nested) + "'/>").result, 0);
    WriteFileBytes(dir / L"was_file", "x");
    EXPECT_EQ(RunTag("<createdir dst='" + U8(dir / L"was_file") + "'/>").result, 0);
    EXPECT_TRUE(GetFileAttributesW((dir / L"was_file").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(RunTag("<createdir/>").result, 0);
}

TEST(ChildOnlyTags, ExecutedOnTheirOwnEndTheRun) {
    EXPECT_EQ(RunTag("<deletefile name='UID' skip='true'/>").result, RESULT_UNKNOWN_EXCEPTION);
    EXPECT_EQ(RunTag("<unpackfile src='a.txt' skip='true'/>").result, RESULT_UNKNOWN_EXCEPTION);
}

}  // namespace
