// Deleting files and trees against Wine's file system: files in use, read-only
// files, links, and what is left for the next restart.
#include <gtest/gtest.h>

#include <atomic>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "files/delete_operations.h"
#include "files/path_functions.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

class Deletion : public testing::Test {
protected:
    void TearDown() override { ClearPendingRestart(); }

    std::atomic<int32_t> abortState_{0};
    ProgressLevel level_{abortState_};
};

TEST_F(Deletion, DeleteFileOrDeferSimpleCases) {
    struct Case {
        const char* name;
        std::function<std::wstring(TempDir&)> make;  // returns the path to delete
        bool gone;
    };
    const Case cases[] = {
        {"missing", [](TempDir& d) { return d / L"missing.txt"; }, true},
        {"plain_file", [](TempDir& d) { WriteFileBytes(d / L"f.txt", "x"); return d / L"f.txt"; }, true},
        {"read_only_file",
         [](TempDir& d) {
             WriteFileBytes(d / L"ro.txt", "x");
             SetFileAttributesW((d / L"ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
             return d / L"ro.txt";
         },
         true},
        {"folder_is_left", [](TempDir& d) { CreateDirectoryW((d / L"sub").c_str(), nullptr); return d / L"sub"; },
         false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::wstring path = c.make(dir);
        EXPECT_EQ(DeleteFileOrDefer(path, level_), RESULT_SUCCESS) << c.name;
        EXPECT_EQ(!PathExists(path), c.gone) << c.name;
    }
    EXPECT_EQ(DeleteFileOrDefer(L"", level_), RESULT_SUCCESS);
}

TEST_F(Deletion, FileInUseIsMovedAsideAndDeletedAtRestart) {
    TempDir dir;
    const std::wstring path = dir / L"holder.exe";
    const auto holder = StartImageInUse(path);

    EXPECT_EQ(DeleteFileOrDefer(path, level_), RESULT_REBOOT_PENDING);
    const std::wstring moved = dir.Path() + L"/holder.exe.tmp0";
    EXPECT_EQ(ToWide(level_.ItemName()), path);
    EXPECT_EQ(ToWide(level_.GetTargetPath()), moved);
    EXPECT_TRUE(PathExists(moved));
    EXPECT_TRUE(IsPendingAtRestart(moved));
    // The path is free at once: the new file can go there.
    EXPECT_FALSE(PathExists(path));
    WriteFileBytes(path, "new");
    EXPECT_EQ(ReadFileBytes(path), "new");

    holder->Stop();
    DeleteFileW(moved.c_str());
}

TEST_F(Deletion, FileOpenWithoutDeleteSharingStaysWhereItIs) {
    TempDir dir;
    const std::wstring path = dir / L"open.txt";
    WriteFileBytes(path, "kept");
    HANDLE open = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(DeleteFileOrDefer(path, level_), ERROR_SHARING_VIOLATION);
    CloseHandle(open);
    EXPECT_EQ(ReadFileBytes(path), "kept");
    EXPECT_FALSE(PathExists(dir.Path() + L"/open.txt.tmp0"));
}

TEST_F(Deletion, RemoveTreeTakesEverythingReadOnlyIncluded) {
    TempDir dir;
    const std::wstring root = dir / L"tree";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW((root + L"\\sub").c_str(), nullptr);
    CreateDirectoryW((root + L"\\sub\\deeper").c_str(), nullptr);
    WriteFileBytes(root + L"\\a.txt", "a");
    WriteFileBytes(root + L"\\sub\\ro.txt", "b");
    WriteFileBytes(root + L"\\sub\\deeper\\c.txt", "c");
    SetFileAttributesW((root + L"\\sub\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((root + L"\\sub").c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(RemoveTree(root + L"/", level_), RESULT_SUCCESS);
    EXPECT_FALSE(PathExists(root));
    EXPECT_EQ(RemoveTree(root, level_), RESULT_SUCCESS);  // already gone
}

// An uninstall must never delete files outside the product's folders.
TEST_F(Deletion, RemoveTreeRemovesALinkNotWhatItPointsTo) {
    TempDir dir;
    const std::wstring outside = dir / L"outside";
    const std::wstring tree = dir / L"tree";
    CreateDirectoryW(outside.c_str(), nullptr);
    CreateDirectoryW(tree.c_str(), nullptr);
    CreateDirectoryW((tree + L"\\real").c_str(), nullptr);
    WriteFileBytes(outside + L"\\keep.txt", "keep");
    WriteFileBytes(tree + L"\\real\\f.txt", "f");
    if (!MakeUnixSymlink(outside, tree + L"\\link")) {
        GTEST_SKIP() << "no symbolic links here";
    }

    const int32_t result = RemoveTree(tree, level_);
    EXPECT_EQ(ReadFileBytes(outside + L"\\keep.txt"), "keep");
    EXPECT_FALSE(PathExists(tree + L"\\real"));
    // Windows removes the link at once; Wine cannot remove a Unix link
    // through RemoveDirectoryW, so there it waits for the restart.
    EXPECT_TRUE(result == RESULT_SUCCESS || result == RESULT_REBOOT_PENDING) << result;
    if (result == RESULT_REBOOT_PENDING) {
        EXPECT_TRUE(IsPendingAtRestart(tree + L"\\link"));
    }
    RunProcess(L"Z:\\bin\\rm -f \"" + Utf8ToWide(UnixPath(tree + L"\\link")) + L"\"");
}

// A folder that cannot be emptied is no deletion deferred to the restart:
// the restart could not remove it either.
TEST_F(Deletion, RemoveTreeReportsWhatKeptAFolderFull) {
    TempDir dir;
    const std::wstring tree = dir / L"tree";
    CreateDirectoryW(tree.c_str(), nullptr);
    WriteFileBytes(tree + L"\\open.txt", "kept");
    HANDLE open =
        CreateFileW((tree + L"\\open.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RemoveTree(tree, level_), ERROR_SHARING_VIOLATION);
    CloseHandle(open);
    EXPECT_TRUE(PathExists(tree + L"\\open.txt"));
    EXPECT_FALSE(IsPendingAtRestart(tree));
}

TEST_F(Deletion, DeletePathOfAFileInUseLeavesItsPathFree) {
    TempDir dir;
    const std::wstring path = dir / L"holder.exe";
    const auto holder = StartImageInUse(path);

    EXPECT_EQ(DeletePath(path, level_), RESULT_REBOOT_PENDING);
    EXPECT_EQ(ToWide(level_.ActionText()), L"Delete holder.exe");
    EXPECT_EQ(level_.State(), 0);
    EXPECT_TRUE(IsPendingAtRestart(dir.Path() + L"/holder.exe.tmp0"));
    // A new file put at the freed path must survive the restart.
    EXPECT_FALSE(IsPendingAtRestart(path));

    holder->Stop();
    DeleteFileW((dir.Path() + L"/holder.exe.tmp0").c_str());
}

TEST_F(Deletion, DeletePathOfAFolderHoldingAFileInUseGoesAtRestart) {
    TempDir dir;
    const std::wstring folder = dir / L"App";
    CreateDirectoryW(folder.c_str(), nullptr);
    WriteFileBytes(folder + L"\\data.txt", "d");
    const auto holder = StartImageInUse(folder + L"\\holder.exe");

    EXPECT_EQ(DeletePath(folder, level_), RESULT_REBOOT_PENDING);
    EXPECT_FALSE(PathExists(folder + L"\\data.txt"));
    EXPECT_FALSE(PathExists(folder + L"\\holder.exe"));
    EXPECT_TRUE(IsPendingAtRestart(folder + L"/holder.exe.tmp0"));
    EXPECT_TRUE(IsPendingAtRestart(folder));

    holder->Stop();
    DeleteFileW((folder + L"/holder.exe.tmp0").c_str());
}

TEST_F(Deletion, DeleteFileCheckedDescribesItself) {
    TempDir dir;
    WriteFileBytes(dir / L"f.txt", "x");
    EXPECT_EQ(DeleteFileChecked(dir.Path() + L"/f.txt", level_), RESULT_SUCCESS);
    EXPECT_EQ(ToWide(level_.ActionText()), L"Delete f.txt");
    EXPECT_EQ(level_.State(), 0);
    EXPECT_FALSE(PathExists(dir / L"f.txt"));
}

}  // namespace
