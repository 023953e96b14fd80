// Creating folder paths and the writability probe.
#include <gtest/gtest.h>

#include "common/result_codes.h"
#include "files/folder_operations.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(CreateDirectoryPath, MakesEveryMissingFolder) {
    struct Case {
        const char* name;
        std::wstring path;        // "@" stands for the test's folder
        std::wstring created;     // below the test's folder
        bool relative;            // run with the test's folder as current directory
    };
    const Case cases[] = {
        {"absolute_with_trailing_separator", L"@\\a\\b\\", L"a\\b", false},
        {"forward_slashes", L"@/f1//f2", L"f1\\f2", false},
        {"relative", L"r1\\r2", L"r1\\r2", true},
        {"leading_backslash_is_relative", L"\\s1\\s2", L"s1\\s2", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        CurrentDirectoryGuard guard;
        if (c.relative) {
            SetCurrentDirectoryW(dir.Path().c_str());
        }
        std::wstring path = c.path;
        if (path[0] == L'@') {
            path = dir.Path() + path.substr(1);
        }
        EXPECT_EQ(CreateDirectoryPath(path), RESULT_SUCCESS) << c.name;
        EXPECT_TRUE(IsFolder(dir / c.created)) << c.name;
    }
}

TEST(CreateDirectoryPath, ExistingFolderFileInTheWayAndFailure) {
    TempDir dir;
    EXPECT_EQ(CreateDirectoryPath(L""), RESULT_SUCCESS);
    EXPECT_EQ(CreateDirectoryPath(dir.Path()), RESULT_SUCCESS);

    WriteFileBytes(dir / L"was_file", "x");
    EXPECT_EQ(CreateDirectoryPath(dir / L"was_file"), RESULT_SUCCESS);
    EXPECT_TRUE(IsFolder(dir / L"was_file"));

    // A folder below a file cannot be made; the code says why.
    WriteFileBytes(dir / L"plain", "x");
    EXPECT_NE(CreateDirectoryPath(dir / L"plain\\sub"), RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"plain"), "x");
}

TEST(IsFolderWritable, ProbesAndLeavesNothing) {
    TempDir dir;
    EXPECT_TRUE(IsFolderWritable(dir.Path()));
    EXPECT_FALSE(PathExists(dir / L"tst.b@t"));
    EXPECT_FALSE(IsFolderWritable(dir / L"missing"));
    EXPECT_FALSE(PathExists(dir / L"missing"));
    EXPECT_FALSE(IsFolderWritable(dir.Path() + L"\\" + std::wstring(2100, L'a')));
}

}  // namespace
