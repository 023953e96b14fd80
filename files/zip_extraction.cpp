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
#include "files/reported_operation.h"
#include "files/system_results.h"
#include "files/unique_handle.h"
#include "files/zip_archive_stream.h"
#include "files/zip_entry_name.h"
#include "files/zip_entry_reader.h"

namespace {

constexpr size_t kDataBlock = 4 * 1024 * 1024;

struct ZipCloser {
    void operator()(void* zip) const { unzClose(zip); }
};
using UniqueZip = std::unique_ptr<void, ZipCloser>;

// The archive is opened relative to its own folder, which becomes the
// current directory.
UniqueZip OpenArchive(std::wstring_view src) {
    const std::wstring path = NormalizeSeparators(src);
    const size_t slash = path.rfind(L'\\');
    std::wstring file = path;
    const std::wstring previous = CurrentDirectory();
    if (slash != std::wstring::npos) {
        if (!SetCurrentDirectoryW(path.substr(0, slash + 1).c_str())) {
            return nullptr;
        }
        file = path.substr(slash + 1);
    }
    zlib_filefunc64_def functions = ArchiveStreamFunctions();
    UniqueZip zip(unzOpen2_64(file.c_str(), &functions));
    // The archive's folder is current only while it opens: every program
    // started later (a setup helper, a COM server) would inherit it as its
    // current directory and keep the download folder from being deleted.
    if (!previous.empty()) {
        SetCurrentDirectoryW(previous.c_str());
    }
    return zip;
}

// The first pass: the progress total, and no entry that would land outside
// the destination. A failing library call only ends the pass.
int32_t CheckEntries(unzFile zip, ProgressLevel& progress) {
    std::vector<char> nameBuffer(kZipNameBuffer);
    ZipEntry entry;
    for (int r = unzGoToFirstFile(zip); r == UNZ_OK; r = unzGoToNextFile(zip)) {
        if (ReadZipEntry(zip, nameBuffer, entry) != UNZ_OK) {
            break;
        }
        if (!IsEntryNameInside(entry.name)) {
            return RESULT_ENTRY_OUTSIDE_DESTINATION;
        }
        progress.AddTotal(static_cast<int64_t>(entry.info.uncompressed_size));
    }
    return RESULT_SUCCESS;
}

// Where an entry goes and whether its data are read, from its name and its
// rule alone.
struct EntryPlan {
    ChildRule rule;
    std::wstring target;
    bool folder = false;
    bool needsData = false;
};

EntryPlan PlanEntry(const ZipEntry& entry, const CTagHandler& rules, const std::wstring& base) {
    EntryPlan plan;
    plan.rule = FindChildRule(rules, L"src", entry.name);
    plan.target = base + (plan.rule.found && !plan.rule.dst.empty() ? plan.rule.dst : entry.name);
    plan.folder = !plan.target.empty() && IsPathSeparator(plan.target.back());
    plan.needsData = IsEntryNameInside(entry.name) && !(plan.rule.found && plan.rule.skip) && !plan.folder;
    return plan;
}

// Passes over the data of an entry that is left alone.
void SkipEntryData(ZipEntryReader& reader) {
    for (ZipEvent event = reader.Next(); event.kind == ZipEvent::Kind::Data; event = reader.Next()) {
        reader.Recycle(std::move(event.data));
    }
}

// Writes the data of the open entry; at its end, the reader's verdict on
// them, and `damaged` when that is a failure.
int32_t WriteEntryData(ZipEntryReader& reader, HANDLE file, ProgressLevel& progress, bool& damaged) {
    for (;;) {
        ZipEvent event = reader.Next();
        if (event.kind != ZipEvent::Kind::Data) {
            damaged = event.code != UNZ_OK;
            return event.code;
        }
        if (const int32_t written = WriteAll(file, event.data.data(), static_cast<DWORD>(event.length));
            written != RESULT_SUCCESS) {
            return written;
        }
        reader.Recycle(std::move(event.data));
        progress.AddDone(static_cast<int64_t>(event.length));
    }
}

// A file entry into an existing folder. An entry whose data are not sound
// (checksum, size, inflating) is damaged: it fails and its file is removed
// again, so that nothing broken passes for extracted.
int32_t ExtractFileEntry(ZipEntryReader& reader, const ZipEvent& entry, const std::wstring& target,
                         ProgressLevel& progress) {
    if (entry.code != UNZ_OK) {
        return entry.code;
    }
    UniqueHandle file = AdoptFileHandle(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastErrorResult();
    }
    bool damaged = false;
    const int32_t result = WriteEntryData(reader, file.get(), progress, damaged);
    // A date that is no calendar date leaves the time of writing.
    if (const std::optional<FILETIME> time = DosDateTimeToFileTime(entry.entry.info.dosDate)) {
        SetFileTime(file.get(), nullptr, nullptr, &*time);
    }
    file.reset();
    if (damaged) {
        DeleteFileW(target.c_str());
    }
    return result;
}

// Everything about one entry after the reader has read its information.
int32_t ExtractEntry(ZipEntryReader& reader, const ZipEvent& entry, const CTagHandler& rules,
                     const std::wstring& base, bool newDestination, ProgressLevel& progress) {
    if (!IsEntryNameInside(entry.entry.name)) {
        return RESULT_ENTRY_OUTSIDE_DESTINATION;
    }
    const EntryPlan plan = PlanEntry(entry.entry, rules, base);
    const int64_t size = static_cast<int64_t>(entry.entry.info.uncompressed_size);
    if (plan.rule.found && plan.rule.skip) {
        progress.AddDone(size);
        return RESULT_SUCCESS;
    }
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.SetItemName(entry.entry.name);
        progress.SetTargetPath(plan.target);
    }
    if (!newDestination) {
        const DWORD attributes = GetFileAttributesW(plan.target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (plan.rule.found && plan.rule.never) {
                if (entry.withData) {
                    SkipEntryData(reader);
                }
                progress.AddDone(size);
                return RESULT_SUCCESS;
            }
            // Whatever stands in the way goes, folder trees included; how
            // that went shows in what the extraction gives below.
            if (!(plan.folder && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
                DeletePath(plan.target, PrivateLevel());
            }
        }
    }
    // Parent folders are not made for file entries: the archives carry
    // their folder entries first.
    return plan.folder ? CreateDirectoryPath(plan.target) : ExtractFileEntry(reader, entry, plan.target, progress);
}

int32_t ExtractEntries(unzFile zip, const CTagHandler& rules, const std::wstring& base, bool newDestination,
                       ProgressLevel& progress) {
    if (const int32_t checked = CheckEntries(zip, progress); checked != RESULT_SUCCESS) {
        return checked;
    }
    ZipEntryReader reader(zip, kDataBlock,
                          [&](const ZipEntry& entry) { return PlanEntry(entry, rules, base).needsData; });
    for (;;) {
        const ZipEvent entry = reader.Next();
        if (entry.kind != ZipEvent::Kind::Entry) {
            return entry.code == UNZ_END_OF_LIST_OF_FILE ? RESULT_SUCCESS : entry.code;
        }
        if (const int32_t result = ExtractEntry(reader, entry, rules, base, newDestination, progress);
            result != RESULT_SUCCESS) {
            return result;
        }
    }
}

// Into a new folder no existence checks are made. A file in the folder's
// place is deleted, and the folder not made.
int32_t ExtractInto(const CTagHandler& rules, ProgressLevel& progress, const std::wstring& src,
                    const std::wstring& dst) {
    bool newDestination = false;
    const DWORD attributes = GetFileAttributesW(dst.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (const int32_t created = CreateDirectoryPath(dst); created != RESULT_SUCCESS) {
            return created;
        }
        newDestination = true;
    } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // A file moved aside for the restart has freed the path as well.
        const int32_t deleted = DeleteFileChecked(dst, PrivateLevel());
        if (deleted != RESULT_SUCCESS && deleted != RESULT_REBOOT_PENDING) {
            return deleted;
        }
    }
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.SetItemName(src);
        progress.SetTargetPath(dst);
    }
    const UniqueZip zip = OpenArchive(src);
    return zip ? ExtractEntries(zip.get(), rules, EnsureTrailingSeparator(dst), newDestination, progress)
               : ERROR_FILE_NOT_FOUND;
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
    return RunReported(progress, ACTION_EXTRACT, {src, dst}, [&] { return ExtractInto(rules, progress, src, dst); });
}
