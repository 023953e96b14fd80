#include "files/zip_extraction.h"

#include <unzip.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/result_codes.h"
#include "files/child_rule.h"
#include "files/delete_operations.h"
#include "files/folder_operations.h"
#include "files/path_functions.h"
#include "files/private_level.h"
#include "files/zip_archive_stream.h"
#include "files/unique_handle.h"
#include "files/zip_entry_name.h"

namespace {

constexpr size_t kDataBlock = 4 * 1024 * 1024;
// A stored name has at most 65535 bytes, so this never cuts one.
constexpr size_t kNameBuffer = 65536;

struct ZipCloser {
    void operator()(void* zip) const { unzClose(zip); }
};
using UniqueZip = std::unique_ptr<void, ZipCloser>;

int32_t LastError() { return static_cast<int32_t>(GetLastError()); }

// The archive is opened relative to its own folder, which becomes the
// current directory.
UniqueZip OpenArchive(std::wstring_view src) {
    const std::wstring path = NormalizeSeparators(src);
    const size_t slash = path.rfind(L'\\');
    std::wstring file = path;
    if (slash != std::wstring::npos) {
        if (!SetCurrentDirectoryW(path.substr(0, slash + 1).c_str())) {
            return nullptr;
        }
        file = path.substr(slash + 1);
    }
    zlib_filefunc64_def functions = ArchiveStreamFunctions();
    return UniqueZip(unzOpen2_64(file.c_str(), &functions));
}

struct Entry {
    unz_file_info64 info{};
    std::wstring name;
};

int ReadEntry(unzFile zip, std::vector<char>& nameBuffer, Entry& entry) {
    const int r = unzGetCurrentFileInfo64(zip, &entry.info, nameBuffer.data(), static_cast<uLong>(nameBuffer.size()),
                                          nullptr, 0, nullptr, 0);
    if (r != UNZ_OK) {
        return r;
    }
    const size_t length = entry.info.size_filename < nameBuffer.size() ? entry.info.size_filename : 0;
    entry.name = DecodeEntryName(std::string_view(nameBuffer.data(), length), entry.info.flag);
    return UNZ_OK;
}

// The first pass: the progress total, and no entry that would land outside
// the destination. A failing library call only ends the pass.
int32_t CheckEntries(unzFile zip, std::vector<char>& nameBuffer, ProgressLevel& progress) {
    Entry entry;
    for (int r = unzGoToFirstFile(zip); r == UNZ_OK; r = unzGoToNextFile(zip)) {
        if (ReadEntry(zip, nameBuffer, entry) != UNZ_OK) {
            break;
        }
        if (!IsEntryNameInside(entry.name)) {
            return RESULT_ENTRY_OUTSIDE_DESTINATION;
        }
        progress.AddTotal(static_cast<int64_t>(entry.info.uncompressed_size));
    }
    return RESULT_SUCCESS;
}

// A file entry into an existing folder. An entry whose data do not match its
// checksum or its size is damaged: it fails and its file is removed again,
// so that nothing broken passes for extracted.
int32_t ExtractFileEntry(unzFile zip, const Entry& entry, const std::wstring& target, std::vector<char>& buffer,
                         ProgressLevel& progress) {
    int32_t result = unzOpenCurrentFile(zip);
    if (result != UNZ_OK) {
        return result;
    }
    uint64_t total = 0;
    UniqueHandle file = AdoptFileHandle(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        result = LastError();
    } else {
        for (;;) {
            const int n = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()));
            if (n <= 0) {
                result = n;
                break;
            }
            DWORD written = 0;
            if (!WriteFile(file.get(), buffer.data(), static_cast<DWORD>(n), &written, nullptr) ||
                written != static_cast<DWORD>(n)) {
                const int32_t error = LastError();
                result = error != 0 ? error : RESULT_GENERAL_ERROR;
                break;
            }
            total += written;
            progress.AddDone(written);
        }
        // A date that is no calendar date leaves the time of writing.
        if (const std::optional<FILETIME> time = DosDateTimeToFileTime(entry.info.dosDate)) {
            SetFileTime(file.get(), nullptr, nullptr, &*time);
        }
        file.reset();
    }
    const int closed = unzCloseCurrentFile(zip);
    if (result == RESULT_SUCCESS && (closed != UNZ_OK || total != entry.info.uncompressed_size)) {
        result = closed != UNZ_OK ? closed : UNZ_BADZIPFILE;
        DeleteFileW(target.c_str());
    }
    return result;
}

// Everything about one entry but reading its information.
int32_t ExtractEntry(unzFile zip, const Entry& entry, const CTagHandler& rules, const std::wstring& base,
                     bool newDestination, std::vector<char>& buffer, ProgressLevel& progress) {
    if (!IsEntryNameInside(entry.name)) {
        return RESULT_ENTRY_OUTSIDE_DESTINATION;
    }
    const ChildRule rule = FindChildRule(rules, L"src", entry.name);
    const int64_t size = static_cast<int64_t>(entry.info.uncompressed_size);
    if (rule.found && rule.skip) {
        progress.AddDone(size);
        return RESULT_SUCCESS;
    }
    const std::wstring target = base + (rule.found && !rule.dst.empty() ? rule.dst : entry.name);
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.SetItemName(entry.name);
        progress.SetTargetPath(target);
    }
    const bool folderEntry = !target.empty() && IsPathSeparator(target.back());
    if (!newDestination) {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (rule.found && rule.never) {
                progress.AddDone(size);
                return RESULT_SUCCESS;
            }
            // Whatever stands in the way goes, folder trees included; how
            // that went shows in what the extraction gives below.
            if (!(folderEntry && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
                DeletePath(target, PrivateLevel());
            }
        }
    }
    // Parent folders are not made for file entries: the archives carry
    // their folder entries first.
    return folderEntry ? CreateDirectoryPath(target) : ExtractFileEntry(zip, entry, target, buffer, progress);
}

int32_t ExtractEntries(unzFile zip, const CTagHandler& rules, const std::wstring& base, bool newDestination,
                       ProgressLevel& progress) {
    std::vector<char> nameBuffer(kNameBuffer);
    if (const int32_t checked = CheckEntries(zip, nameBuffer, progress); checked != RESULT_SUCCESS) {
        return checked;
    }
    std::vector<char> buffer(kDataBlock);
    Entry entry;
    int32_t result = unzGoToFirstFile(zip);
    while (result == UNZ_OK) {
        result = ReadEntry(zip, nameBuffer, entry);
        if (result == UNZ_OK) {
            result = ExtractEntry(zip, entry, rules, base, newDestination, buffer, progress);
        }
        if (result == UNZ_OK) {
            result = unzGoToNextFile(zip);
        }
    }
    return result == UNZ_END_OF_LIST_OF_FILE ? RESULT_SUCCESS : result;
}

}  // namespace

std::optional<FILETIME> DosDateTimeToFileTime(uint32_t dosDateTime) {
    const uint32_t date = dosDateTime >> 16;
    const uint32_t time = dosDateTime & 0xFFFF;
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(((date >> 9) & 0x7F) + 1980);
    local.wMonth = static_cast<WORD>((date >> 5) & 0x0F);
    local.wDay = static_cast<WORD>(date & 0x1F);
    local.wHour = static_cast<WORD>((time >> 11) & 0x1F);
    local.wMinute = static_cast<WORD>((time >> 5) & 0x3F);
    local.wSecond = static_cast<WORD>((time & 0x1F) * 2);
    FILETIME localTime, utc;
    if (!SystemTimeToFileTime(&local, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc)) {
        return std::nullopt;
    }
    return utc;
}

int32_t ExtractArchive(const CTagHandler& rules, ProgressLevel& progress, std::wstring_view srcView,
                       std::wstring_view dstView) {
    const std::wstring src(srcView);
    const std::wstring dst(dstView);
    if (src.empty() || dst.empty()) {
        return RESULT_SUCCESS;
    }
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.Reset();
        progress.SetState(1);
        progress.Describe(ACTION_EXTRACT, {src, dst});
    }
    int32_t result = RESULT_SUCCESS;
    bool newDestination = false;
    const DWORD attributes = GetFileAttributesW(dst.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        result = CreateDirectoryPath(dst);
        newDestination = result == RESULT_SUCCESS;
    } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result = DeleteFileChecked(dst, PrivateLevel());
    }
    if (result == RESULT_SUCCESS) {
        {
            std::lock_guard<std::recursive_mutex> guard(progress.Lock());
            progress.SetItemName(src);
            progress.SetTargetPath(dst);
        }
        const UniqueZip zip = OpenArchive(src);
        result = zip ? ExtractEntries(zip.get(), rules, EnsureTrailingSeparator(dst), newDestination, progress)
                     : ERROR_FILE_NOT_FOUND;
    }
    progress.SetState(0);
    return result;
}
