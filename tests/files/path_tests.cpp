// Path and name functions, the own-path checks and temporary names.
#include <gtest/gtest.h>

#include "files/delete_operations.h"
#include "files/own_paths.h"
#include "files/path_functions.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

TEST(PathFunctions, SplitPath) {
    struct Case {
        std::wstring path, folder, name;
    };
    const Case cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a", L"b.txt"}, {L"C:\\a\\b\\", L"C:\\a", L"b"}, {L"C:\\b.txt", L"C:", L"b.txt"},
        {L"b.txt", L"", L"b.txt"},            {L"/b.txt", L"/", L"b.txt"},      {L"\\b.txt", L"", L"b.txt"},
        {L"", L"", L""},                      {L"\\//", L"", L""},              {L"C:/a/b//", L"C:/a", L"b"},
        {L"a/b\\c", L"a/b", L"c"},
    };
    for (const Case& c : cases) {
        const auto [folder, name] = SplitPath(c.path);
        EXPECT_EQ(folder, c.folder) << WideToUtf8(c.path);
        EXPECT_EQ(name, c.name) << WideToUtf8(c.path);
    }
}

TEST(PathFunctions, SeparatorsAndComponents) {
    EXPECT_EQ(EnsureTrailingSeparator(L""), L"");
    EXPECT_EQ(EnsureTrailingSeparator(L"C:\\a//"), L"C:\\a\\");
    EXPECT_EQ(EnsureTrailingSeparator(L"a"), L"a\\");
    EXPECT_EQ(NormalizeSeparators(L"C:/a/b\\c"), L"C:\\a\\b\\c");

    struct Case {
        std::wstring path;
        std::vector<std::wstring> components;
    };
    const Case cases[] = {
        {L"C:\\a\\\\b\\", {L"C:", L"a", L"b"}},
        {L"/a/b", {L"", L"a", L"b"}},
        {L"a", {L"a"}},
        {L"", {}},
        {L"\\\\server\\share", {L"", L"server", L"share"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitPathComponents(c.path), c.components) << WideToUtf8(c.path);
    }
}

TEST(PathFunctions, AbsoluteDotsAndCase) {
    struct Case {
        std::wstring path;
        bool absolute;
    };
    const Case cases[] = {{L"/a", true},   {L"C:\\a", true}, {L"C:/", true},     {L"\\dir", false},
                          {L"C:", false},  {L"C:dir", false}, {L"dir\\a", false}, {L"", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsAbsolutePath(c.path), c.absolute) << WideToUtf8(c.path);
    }
    EXPECT_TRUE(IsDotEntry(L"."));
    EXPECT_TRUE(IsDotEntry(L".."));
    EXPECT_FALSE(IsDotEntry(L"..."));
    EXPECT_TRUE(EqualsNoCase(L"C:\\Program Files", L"c:\\PROGRAM FILES"));
    EXPECT_FALSE(EqualsNoCase(L"C:\\a", L"C:/a"));
    EXPECT_TRUE(StartsWithNoCase(L"", L"anything"));
    EXPECT_TRUE(StartsWithNoCase(L"c:\\prog", L"C:\\Program Files"));
    EXPECT_FALSE(StartsWithNoCase(L"C:\\Program Files\\App", L"C:\\Program"));
}

// Whole components decide, never a shared beginning of a name.
TEST(PathFunctions, SameOrParentPathComparesWholeComponents) {
    struct Case {
        std::wstring path, target;
        bool holds, same;
    };
    const Case cases[] = {
        {L"C:\\Prog", L"C:\\Program Files\\App\\setup.exe", false, false},
        {L"C:\\Program Files", L"C:\\Program Files\\App\\setup.exe", true, false},
        {L"c:/program files/app/", L"C:\\Program Files\\App\\setup.exe", true, false},
        {L"C:\\Program Files\\App\\SETUP.EXE", L"C:\\Program Files\\App\\setup.exe", true, true},
        {L"C:\\Program Files\\App\\.\\x\\..\\setup.exe", L"C:\\Program Files\\App\\setup.exe", true, true},
        {L"C:\\Program Files\\App\\setup.exe\\more", L"C:\\Program Files\\App\\setup.exe", false, false},
        {L"C:\\Program Files\\App\\setup", L"C:\\Program Files\\App\\setup.exe", false, false},
        {L"", L"C:\\a", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSameOrParentPath(c.path, c.target), c.holds) << WideToUtf8(c.path);
        EXPECT_EQ(IsSamePath(c.path, c.target), c.same) << WideToUtf8(c.path);
    }
}

TEST(OwnPaths, AreTheRunningProgramAndItsFolder) {
    EXPECT_TRUE(EqualsNoCase(GetOwnModulePath(), ProgramPath()));
    EXPECT_TRUE(EqualsNoCase(GetOwnModuleFolder(), ProgramFolder()));
    EXPECT_TRUE(IsOwnModule(NormalizeSeparators(ProgramPath())));
    EXPECT_TRUE(HoldsOwnModule(ProgramFolder() + L"/"));
    EXPECT_TRUE(HoldsOwnFolder(FolderPart(ProgramFolder())));
    EXPECT_FALSE(HoldsOwnFolder(ProgramFolder() + L"\\sub"));
    EXPECT_FALSE(IsOwnModule(ProgramFolder()));
}

TEST(TempNames, FirstFreeNumberInTheFilesFolder) {
    TempDir dir;
    const std::wstring first = MakeTempFileName(L"setup.exe", dir.Path());
    EXPECT_EQ(first, dir.Path() + L"/setup.exe.tmp0");
    WriteFileBytes(first, "x");
    EXPECT_EQ(MakeTempFileName(L"setup.exe", dir.Path()), dir.Path() + L"/setup.exe.tmp1");
    EXPECT_EQ(MakeTempFileName(L"", dir.Path()), dir.Path() + L"/tempfile.tmp0");

    CurrentDirectoryGuard guard;
    SetCurrentDirectoryW(dir.Path().c_str());
    EXPECT_EQ(MakeTempFileName(L"setup.exe", L""), CurrentDirectory() + L"/setup.exe.tmp1");
}

}  // namespace
