// The unpack tag over archives made by Info-ZIP zip and Python's zipfile
// (tools/fixtures/make_zips.py): rules, overwriting, folders, times, names,
// and damaged or hostile archives.
#include <gtest/gtest.h>

#include <unzip.h>

#include <atomic>
#include <functional>
#include <map>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "files/path_functions.h"
#include "files/zip_entry_name.h"
#include "files/zip_extraction.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

using Files = std::map<std::wstring, std::string>;  // below the destination; "\"-ended: a folder

std::string U8(const std::wstring& text) { return WideToUtf8(text); }

void MakeFiles(const std::wstring& root, const Files& files) {
    for (const auto& [path, content] : files) {
        if (path.back() == L'\\') {
            CreateDirectoryW((root + L"\\" + path).c_str(), nullptr);
        } else {
            WriteFileBytes(root + L"\\" + path, content);
        }
    }
}

// The content make_zips.py gives its large entries.
std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 4096) % 256);
    }
    return bytes;
}

// Each test gets its own current directory back.
class Unpack : public testing::Test {
protected:
    ScriptRun RunUnpack(const std::wstring& archive, const std::wstring& dst, const std::string& rules = "") {
        return RunXml("<install><package><unpack src='" + U8(archive) + "' dst='" + U8(dst) + "'>" + rules +
                      "</unpack></package></install>");
    }
    CurrentDirectoryGuard guard_;
};

TEST_F(Unpack, Cases) {
    struct Case {
        const char* name;
        const wchar_t* archive;
        std::string rules;
        Files before;      // in the destination; nothing: the destination is new
        int32_t result;
        Files after;       // expected content; "\"-ended: a folder
        std::vector<std::wstring> absent;
    };
    const Case cases[] = {
        {"folder_entries_into_new_destination", L"folders.zip", "", {}, 0, {{L"a\\", ""}, {L"a\\b.txt", "bee"}}, {}},
        {"missing_folder_entry_is_error_3", L"no_folder_entries.zip", "", {}, ERROR_PATH_NOT_FOUND, {}, {L"a"}},
        {"missing_folder_entry_with_existing_folder", L"no_folder_entries.zip", "", {{L"a\\", ""}}, 0,
         {{L"a\\b.txt", "bee"}}, {}},
        {"never_keeps_an_existing_file", L"rules.zip", "<unpackfile src='SETTINGS.XML' overwrite='never'/>",
         {{L"settings.xml", "mine"}}, 0, {{L"settings.xml", "mine"}, {L"readme.txt", "read me"}}, {}},
        {"never_extracts_a_missing_file", L"rules.zip", "<unpackfile src='settings.xml' overwrite='never'/>",
         {{L"other.txt", ""}}, 0, {{L"settings.xml", "new settings"}}, {}},
        {"skip_with_existing_target", L"rules.zip", "<unpackfile src='Setup64.exe' skip='true'/>",
         {{L"Setup64.exe", "old"}}, 0, {{L"Setup64.exe", "old"}, {L"Setup32.exe", "32-bit setup"}}, {}},
        {"skip_into_new_destination", L"rules.zip", "<unpackfile src='setup64.exe' skip='true'/>", {}, 0,
         {{L"Setup32.exe", "32-bit setup"}}, {L"Setup64.exe"}},
        {"rule_dst_renames", L"rules.zip", "<unpackfile src='readme.txt' dst='renamed.txt'/>", {}, 0,
         {{L"renamed.txt", "read me"}}, {L"readme.txt"}},
        {"existing_file_is_replaced", L"rules.zip", "", {{L"readme.txt", "old"}}, 0, {{L"readme.txt", "read me"}}, {}},
        {"folder_meeting_a_file_entry_is_replaced", L"rules.zip", "", {{L"x\\", ""}, {L"x\\inner.txt", "i"}}, 0,
         {{L"x", "file x"}}, {}},
        {"existing_folder_meets_folder_entry", L"folders.zip", "", {{L"a\\", ""}, {L"a\\mine.txt", "m"}}, 0,
         {{L"a\\mine.txt", "m"}, {L"a\\b.txt", "bee"}}, {}},
        {"names_by_their_flag", L"names.zip", "", {}, 0,
         {{L"\u00fcn\u00ef-\u03a9-\u4e2d.txt", "utf-8 name"}, {AnsiToWide("\xfc-ansi.txt"), "ansi name"}}, {}},
        {"date_that_is_no_date", L"bad_date.zip", "", {}, 0, {{L"bad_date.txt", "dated"}}, {}},
        // The checksum is checked when the entry is closed: the damaged
        // entry fails and leaves no file; entries before it stay.
        {"checksum_mismatch", L"bad_crc.zip", "", {}, UNZ_CRCERROR, {{L"good.txt", "good"}},
         {L"data.bin", L"after.txt"}},
        {"damaged_entry_left_alone_by_its_rule", L"bad_crc.zip", "<unpackfile src='data.bin' overwrite='never'/>",
         {{L"data.bin", "mine"}}, 0, {{L"data.bin", "mine"}, {L"after.txt", "after"}}, {}},
        {"damaged_entry_skipped", L"bad_crc.zip", "<unpackfile src='data.bin' skip='true'/>", {}, 0,
         {{L"after.txt", "after"}}, {L"data.bin"}},
        {"fewer_bytes_than_announced", L"short_data.zip", "", {}, UNZ_BADZIPFILE, {}, {L"short.bin"}},
        {"not_an_archive", L"not_a_zip.zip", "", {}, ERROR_FILE_NOT_FOUND, {}, {}},
        {"missing_archive", L"no_such.zip", "", {}, ERROR_FILE_NOT_FOUND, {}, {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::wstring dst = dir / L"D";
        if (!c.before.empty()) {
            CreateDirectoryW(dst.c_str(), nullptr);
            MakeFiles(dst, c.before);
        }
        const ScriptRun run = RunUnpack(FixturePath(c.archive), dst, c.rules);
        SetCurrentDirectoryW(ProgramFolder().c_str());
        EXPECT_EQ(run.result, c.result) << c.name;
        for (const auto& [path, content] : c.after) {
            if (path.back() == L'\\') {
                EXPECT_TRUE(PathExists(dst + L"\\" + path)) << c.name << " " << WideToUtf8(path);
            } else {
                EXPECT_EQ(ReadFileBytes(dst + L"\\" + path), content) << c.name << " " << WideToUtf8(path);
            }
        }
        for (const std::wstring& path : c.absent) {
            EXPECT_FALSE(PathExists(dst + L"\\" + path)) << c.name << " " << WideToUtf8(path);
        }
    }
}

// Nothing may land outside the destination, whatever the stored name.
TEST_F(Unpack, EntriesOutsideTheDestinationAreRefused) {
    for (const wchar_t* label : {L"parent", L"nested_parent", L"absolute", L"backslash_root", L"drive",
                                 L"drive_relative", L"mixed_separators", L"backslashes", L"dots_and_space",
                                 L"stream"}) {
        TempDir dir;
        const std::wstring dst = dir / L"x\\D";
        CreateDirectoryW((dir / L"x").c_str(), nullptr);
        const ScriptRun run = RunUnpack(FixturePath(std::wstring(L"outside_") + label + L".zip"), dst);
        SetCurrentDirectoryW(ProgramFolder().c_str());
        EXPECT_EQ(run.result, RESULT_ENTRY_OUTSIDE_DESTINATION) << WideToUtf8(label);
        EXPECT_FALSE(PathExists(dir / L"escaped.txt")) << WideToUtf8(label);
        EXPECT_FALSE(PathExists(dir / L"x\\escaped.txt")) << WideToUtf8(label);
        EXPECT_FALSE(PathExists(L"C:\\escaped.txt")) << WideToUtf8(label);
        // Refused before anything is written.
        EXPECT_FALSE(PathExists(dst + L"\\good.txt")) << WideToUtf8(label);
    }
}

TEST(ZipEntryName, InsideOrNot) {
    struct Case {
        std::wstring name;
        bool inside;
    };
    const Case cases[] = {
        {L"a/b.txt", true},         {L"a\\b.txt", true},     {L"./a.txt", true},     {L"a..b/c", true},
        {L"..a/b", true},           {L"a/", true},           {L"../a", false},       {L"a/../../b", false},
        {L"a\\..\\b", false},       {L"/a", false},          {L"\\a", false},        {L"C:/a", false},
        {L"C:a", false},            {L"a/.. /b", false},     {L"a/.../b", false},    {L"a.txt:s", false},
        {L"..", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsEntryNameInside(c.name), c.inside) << WideToUtf8(c.name);
    }
    EXPECT_EQ(DecodeEntryName("\xc3\xbc", kZipFlagUtf8Name), L"\u00fc");
    EXPECT_EQ(DecodeEntryName("\xfc", 0), AnsiToWide("\xfc"));
}

// The reader serves the library from a 64 KiB window: entries and a central
// directory larger than it, read back exactly.
TEST_F(Unpack, ArchiveLargerThanTheReadWindow) {
    TempDir dir;
    ASSERT_EQ(RunUnpack(FixturePath(L"many.zip"), dir / L"D").result, ERROR_PATH_NOT_FOUND);  // no folder entry
    CreateDirectoryW((dir / L"E").c_str(), nullptr);
    CreateDirectoryW((dir / L"E\\many").c_str(), nullptr);
    ASSERT_EQ(RunUnpack(FixturePath(L"many.zip"), dir / L"E").result, 0);
    for (int i = 0; i < 1500; i += 149) {
        wchar_t name[32];
        swprintf(name, 32, L"E\\many\\%04d.txt", i);
        EXPECT_EQ(ReadFileBytes(dir / name), "entry " + std::to_string(i)) << i;
    }
    EXPECT_TRUE(ReadFileBytes(dir / L"E\\large_stored.bin") == Pattern(300000));
    EXPECT_TRUE(ReadFileBytes(dir / L"E\\large_deflated.txt") == Pattern(1000000));
    SetCurrentDirectoryW(ProgramFolder().c_str());
}

// Entries are inflated ahead on a thread of their own, a 4 MiB block at a
// time; an entry of several blocks comes out whole.
TEST_F(Unpack, EntryOfSeveralBlocks) {
    TempDir dir;
    ASSERT_EQ(RunUnpack(FixturePath(L"large.zip"), dir / L"D").result, 0);
    EXPECT_TRUE(ReadFileBytes(dir / L"D\\large.txt") == Pattern(9 * 1024 * 1024 + 5));
    EXPECT_EQ(ReadFileBytes(dir / L"D\\after.txt"), "after");
}

// The user's abort leaves at once, with the reading thread stopped.
TEST_F(Unpack, AbortStopsTheExtraction) {
    TempDir dir;
    CXMLProcessor owner;
    const CPackageHandler noRules(owner.Params(), owner.Progress());
    std::atomic<int32_t> abortState{2};
    ProgressLevel level(abortState);
    try {
        ExtractArchive(noRules, level, FixturePath(L"large.zip"), dir / L"D");
        ADD_FAILURE() << "no abort";
    } catch (int code) {
        EXPECT_EQ(code, RESULT_ABORTED);
    }
    EXPECT_FALSE(PathExists(dir / L"D\\after.txt"));
    SetCurrentDirectoryW(ProgramFolder().c_str());
}

TEST_F(Unpack, FilesCarryTheEntryTime) {
    TempDir dir;
    ASSERT_EQ(RunUnpack(FixturePath(L"folders.zip"), dir / L"D").result, 0);
    HANDLE file = CreateFileW((dir / L"D\\a\\b.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written, local;
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    FileTimeToLocalFileTime(&written, &local);
    SYSTEMTIME time;
    FileTimeToSystemTime(&local, &time);
    EXPECT_EQ(time.wYear, 2021);
    EXPECT_EQ(time.wMonth, 3);
    EXPECT_EQ(time.wDay, 4);
    EXPECT_EQ(time.wHour, 5);
    EXPECT_EQ(time.wMinute, 6);
    EXPECT_EQ(time.wSecond, 8);
    EXPECT_FALSE(DosDateTimeToFileTime((40u << 25) | (13u << 21) | (31u << 16)).has_value());
}

TEST_F(Unpack, ArchiveOutsideTheAnsiCodePageOpensAndTheCurrentDirectoryStays) {
    TempDir dir;
    const std::wstring before = CurrentDirectory();
    const std::wstring folder = dir / L"\u0430\u0440\u0445\u0438\u0432 \u4e2d";
    CreateDirectoryW(folder.c_str(), nullptr);
    // A name outside the ANSI code page opens too.
    const std::wstring archive = folder + L"\\\u0430\u0440\u0445\u0438\u0432.zip";
    ASSERT_TRUE(CopyFileW(FixturePath(L"folders.zip").c_str(), archive.c_str(), FALSE));
    EXPECT_EQ(RunUnpack(archive, dir / L"D").result, 0);
    EXPECT_EQ(ReadFileBytes(dir / L"D\\a\\b.txt"), "bee");
    EXPECT_TRUE(EqualsNoCase(CurrentDirectory(), before));
}

TEST_F(Unpack, DestinationThatIsAFileIsDeletedAndNotCreated) {
    TempDir dir;
    WriteFileBytes(dir / L"D", "file");
    EXPECT_EQ(RunUnpack(FixturePath(L"rules.zip"), dir / L"D").result, ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(PathExists(dir / L"D"));
}

// A file in use in the destination's place is moved aside for the restart:
// the path is free, and the extraction goes on rather than passing for done.
TEST_F(Unpack, DestinationThatIsAFileInUseIsMovedAside) {
    TempDir dir;
    const auto holder = StartImageInUse(dir / L"D");
    EXPECT_EQ(RunUnpack(FixturePath(L"folders.zip"), dir / L"D").result, 0);
    EXPECT_EQ(ReadFileBytes(dir / L"D\\a\\b.txt"), "bee");
    holder->Stop();
    DeleteFileW((dir.Path() + L"/D.tmp0").c_str());
    ClearPendingRestart();
    SetCurrentDirectoryW(ProgramFolder().c_str());
}

TEST_F(Unpack, ReportsProgressAndCountsTwice) {
    TempDir dir;
    CXMLProcessor processor;
    const std::string xml = "<install><package><unpack src='" + U8(FixturePath(L"rules.zip")) + "' dst='" +
                            U8(dir / L"D") + "'><unpackfile src='x' skip='true'/></unpack></package></install>";
    ASSERT_EQ(processor.ParseAndRun(xml.data(), xml.size()), 0);
    ProgressLevel& action = processor.Progress()->action;
    const int64_t total = 12 + 12 + 12 + 7 + 6;
    EXPECT_EQ(action.Total(), total);
    EXPECT_EQ(action.Done(), total);
    EXPECT_EQ(action.State(), 0);
    EXPECT_EQ(ToWide(action.ActionText()), L"Extract " + FixturePath(L"rules.zip") + L" to " + (dir / L"D"));
    EXPECT_EQ(processor.Progress()->processed.load(), processor.Progress()->counted.load() + 1);

    CXMLProcessor missing;
    const std::string none = "<install><package><unpack src='" + U8(dir / L"none.zip") + "' dst='" +
                             U8(dir / L"E") + "'/></package></install>";
    EXPECT_EQ(missing.ParseAndRun(none.data(), none.size()), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing.Progress()->action.State(), 0);
    EXPECT_EQ(missing.Progress()->processed.load(), missing.Progress()->counted.load() + 1);
    SetCurrentDirectoryW(ProgramFolder().c_str());
}

}  // namespace

namespace {

// The installation unpacks its downloads, starts programs and then deletes
// the download folder: the deletion must not wait for a restart.
TEST_F(Unpack, LeavesTheArchiveFolderFreeToDelete) {
    TempDir dir(L"unpack-free");
    const std::wstring downloads = dir / L"Temp";
    CreateDirectoryW(downloads.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(FixturePath(L"folders.zip").c_str(), (downloads + L"\\qt.zip").c_str(), FALSE));
    const ScriptRun run = RunXml("<install><package><unpack src='" + U8(downloads) + "/qt.zip' dst='" +
                                 U8(dir.Path()) + "/'/><createlink dst='" + U8(dir.Path()) +
                                 "/a.lnk' src='C:/windows/notepad.exe'/><delete path='" + U8(downloads) +
                                 "/'/></package></install>");
    EXPECT_EQ(run.result, 0) << U8(run.statusLine);
    EXPECT_FALSE(PathExists(downloads));
    EXPECT_TRUE(PathExists(dir / L"a\\b.txt"));
}

}  // namespace
