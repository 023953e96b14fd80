// Copying files and folders, with progress, replacement of files in use and
// the user's abort.
#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "common/result_codes.h"
#include "files/copy_operations.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

using Files = std::map<std::wstring, std::string>;  // relative path -> content

void MakeFiles(const TempDir& dir, const Files& files) {
    for (const auto& [path, content] : files) {
        const std::wstring full = dir / path;
        if (!path.empty() && path.back() == L'\\') {
            CreateDirectoryW(full.c_str(), nullptr);
        } else {
            WriteFileBytes(full, content);
        }
    }
}

class Copying : public testing::Test {
protected:
    void TearDown() override { ClearPendingRestart(); }
    std::atomic<int32_t> abortState_{0};
    ProgressLevel level_{abortState_};
};

TEST_F(Copying, Cases) {
    struct Case {
        const char* name;
        Files before;  // folders end with "\"
        std::wstring src, dst;
        Files after;                      // content expected afterwards
        std::vector<std::wstring> absent;
    };
    const Case cases[] = {
        {"file_to_new_path_creates_its_folders", {{L"f.txt", "content"}}, L"f.txt", L"out\\x\\y\\g.txt",
         {{L"out\\x\\y\\g.txt", "content"}}, {}},
        {"file_onto_folder_goes_into_it", {{L"f.txt", "content"}, {L"out\\", ""}}, L"f.txt", L"out",
         {{L"out\\f.txt", "content"}}, {}},
        {"file_onto_file_replaces_it", {{L"f.txt", "content"}, {L"old.txt", "old"}}, L"f.txt", L"old.txt",
         {{L"old.txt", "content"}}, {}},
        {"folder_goes_inside_under_its_name",
         {{L"A\\", ""}, {L"A\\a.txt", "a"}, {L"A\\b.txt", "b"}, {L"A\\S\\", ""}, {L"A\\S\\inner.txt", "i"}},
         L"A", L"B", {{L"B\\A\\a.txt", "a"}, {L"B\\A\\b.txt", "b"}}, {L"B\\A\\S\\inner.txt"}},
        {"missing_source_creates_nothing", {}, L"nothing.txt", L"out\\nothing.txt", {}, {L"out"}},
        // Replacing a file by itself must not delete the only copy.
        {"file_onto_itself_is_left", {{L"f.txt", "content"}}, L"f.txt", L"f.txt", {{L"f.txt", "content"}}, {}},
        {"file_onto_its_own_folder_is_left", {{L"sub\\", ""}, {L"sub\\f.txt", "content"}}, L"sub\\f.txt", L"sub",
         {{L"sub\\f.txt", "content"}}, {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        MakeFiles(dir, c.before);
        EXPECT_EQ(CopyWithProgress(level_, dir / c.src, dir / c.dst), RESULT_SUCCESS) << c.name;
        for (const auto& [path, content] : c.after) {
            EXPECT_EQ(ReadFileBytes(dir / path), content) << c.name << " " << WideToUtf8(path);
        }
        for (const std::wstring& path : c.absent) {
            EXPECT_FALSE(PathExists(dir / path)) << c.name << " " << WideToUtf8(path);
        }
        if (std::string(c.name) == "folder_goes_inside_under_its_name") {
            EXPECT_TRUE(PathExists(dir / L"B\\A\\S")) << c.name;
        }
    }
}

TEST_F(Copying, ReportsEveryBlock) {
    TempDir dir;
    std::string data(9 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<char>(i * 7 + i / 4096);
    }
    WriteFileBytes(dir / L"big.bin", data);
    CreateDirectoryW((dir / L"out").c_str(), nullptr);
    EXPECT_EQ(CopyWithProgress(level_, dir / L"big.bin", dir / L"out"), RESULT_SUCCESS);
    EXPECT_TRUE(ReadFileBytes(dir / L"out\\big.bin") == data);
    EXPECT_EQ(level_.Total(), static_cast<int64_t>(data.size()));
    EXPECT_EQ(level_.Done(), static_cast<int64_t>(data.size()));
    EXPECT_EQ(ToWide(level_.ActionText()), L"Copy " + (dir / L"big.bin") + L" to " + (dir / L"out"));
    EXPECT_EQ(ToWide(level_.PhaseText()), L"Installing...");
    EXPECT_EQ(ToWide(level_.ItemName()), dir / L"big.bin");
    EXPECT_EQ(ToWide(level_.GetTargetPath()), dir / L"out\\big.bin");
    EXPECT_EQ(level_.State(), 0);
}

TEST_F(Copying, AbortRemovesThePartlyWrittenTarget) {
    TempDir dir;
    WriteFileBytes(dir / L"f.txt", "content");
    abortState_ = 2;
    try {
        CopyWithProgress(level_, dir / L"f.txt", dir / L"g.txt");
        ADD_FAILURE() << "no abort";
    } catch (int code) {
        EXPECT_EQ(code, RESULT_ABORTED);
    }
    EXPECT_FALSE(PathExists(dir / L"g.txt"));
    EXPECT_EQ(ReadFileBytes(dir / L"f.txt"), "content");
}

TEST_F(Copying, FileInUseIsReplacedAndTheRestartPending) {
    TempDir dir;
    WriteFileBytes(dir / L"new.exe", "new program");
    const auto holder = StartImageInUse(dir / L"app.exe");
    EXPECT_EQ(CopyWithProgress(level_, dir / L"new.exe", dir / L"app.exe"), RESULT_REBOOT_PENDING);
    EXPECT_EQ(ReadFileBytes(dir / L"app.exe"), "new program");
    holder->Stop();
    DeleteFileW((dir.Path() + L"/app.exe.tmp0").c_str());
}

// A file replaced while in use is a success: the files after it are copied.
TEST_F(Copying, FolderCopyGoesOnPastAFileInUse) {
    TempDir dir;
    CreateDirectoryW((dir / L"A").c_str(), nullptr);
    for (const wchar_t* name : {L"one.exe", L"two.exe", L"three.exe", L"four.exe"}) {
        WriteFileBytes(dir / L"A\\" + name, "new");
    }
    // The entry the enumeration meets first is the one in use.
    WIN32_FIND_DATAW first;
    HANDLE find = FindFirstFileW((dir / L"A\\*.exe").c_str(), &first);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    FindClose(find);
    CreateDirectoryW((dir / L"B").c_str(), nullptr);
    CreateDirectoryW((dir / L"B\\A").c_str(), nullptr);
    const auto holder = StartImageInUse(dir / L"B\\A\\" + first.cFileName);

    EXPECT_EQ(CopyWithProgress(level_, dir / L"A", dir / L"B"), RESULT_REBOOT_PENDING);
    for (const wchar_t* name : {L"one.exe", L"two.exe", L"three.exe", L"four.exe"}) {
        EXPECT_EQ(ReadFileBytes(dir / L"B\\A\\" + name), "new") << WideToUtf8(name);
    }
    holder->Stop();
    DeleteFileW((dir.Path() + L"\\B\\A/" + first.cFileName + L".tmp0").c_str());
}

}  // namespace
