#include "files/delete_operations.h"

#include <windows.h>

#include "app/self_removal.h"
#include "common/result_codes.h"
#include "files/folder_entries.h"
#include "files/own_paths.h"
#include "files/path_functions.h"
#include "files/reported_operation.h"
#include "files/system_results.h"

namespace {

constexpr int kTempNameCandidates = 10000;

// The deletion of an emptied folder or a link that cannot go now is left to
// the next restart.
int32_t RemoveDirectoryOrDefer(const std::wstring& path) {
    if (RemoveDirectoryW(path.c_str())) {
        return RESULT_SUCCESS;
    }
    return MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? RESULT_REBOOT_PENDING : LastErrorResult();
}

}  // namespace

std::wstring MakeTempFileName(std::wstring_view base, std::wstring_view folder) {
    const std::wstring stem = (folder.empty() ? CurrentDirectory() : std::wstring(folder)) + L"/" +
                              (base.empty() ? std::wstring(L"tempfile") : std::wstring(base)) + L".tmp";
    for (int i = 0; i < kTempNameCandidates; ++i) {
        const std::wstring candidate = stem + std::to_wstring(i);
        if (GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) {
            return candidate;
        }
    }
    return {};
}

int32_t DeleteFileOrDefer(std::wstring_view path, ProgressLevel& progress) {
    if (path.empty()) {
        return RESULT_SUCCESS;
    }
    const std::wstring file(path);
    progress.SetItemName(file);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return RESULT_SUCCESS;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    if (IsOwnModule(file)) {
        return RESULT_SUCCESS;
    }
    if (DeleteFileW(file.c_str())) {
        return RESULT_SUCCESS;
    }
    // A file in use can often still be renamed: moving it aside frees the
    // path at once, and the moved copy goes now or at the next restart.
    const auto [folder, name] = SplitPath(file);
    const std::wstring temp = MakeTempFileName(name, folder);
    progress.SetTargetPath(temp);
    if (!MoveFileW(file.c_str(), temp.c_str())) {
        return LastErrorResult();
    }
    if (DeleteFileW(temp.c_str())) {
        return RESULT_SUCCESS;
    }
    return MoveFileExW(temp.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? RESULT_REBOOT_PENDING : LastErrorResult();
}

int32_t DeleteFileChecked(std::wstring_view path, ProgressLevel& progress) {
    const bool self = IsOwnModule(path);
    return RunReported(progress, ACTION_DELETE, {NamePart(path)}, [&] {
        if (self) {
            ScheduleSelfRemoval();
            return RESULT_SUCCESS;
        }
        return DeleteFileOrDefer(path, progress);
    });
}

int32_t RemoveTree(std::wstring_view path, ProgressLevel& progress) {
    if (path.empty()) {
        return RESULT_SUCCESS;
    }
    const std::wstring folder(path);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return RESULT_SUCCESS;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return DeleteFileOrDefer(folder, progress);
    }
    progress.SetItemName(folder);
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesW(folder.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    // What a link points to belongs to someone else: only the link goes.
    int32_t entries = RESULT_SUCCESS;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        const std::wstring base = EnsureTrailingSeparator(NormalizeSeparators(folder));
        entries = ForEachFolderEntry(
            base, [&](const WIN32_FIND_DATAW& entry) { return RemoveTree(base + entry.cFileName, progress); });
    }
    // A folder that could not be emptied stays, and says why; registering
    // it for the restart would promise a deletion that cannot happen.
    if (entries != RESULT_SUCCESS && entries != RESULT_REBOOT_PENDING) {
        return entries;
    }
    // The running program's folder, and any folder holding it, is left to
    // the self-removal script.
    const int32_t removal = HoldsOwnFolder(folder) ? RESULT_SUCCESS : RemoveDirectoryOrDefer(folder);
    return entries == RESULT_REBOOT_PENDING ? RESULT_REBOOT_PENDING : removal;
}

int32_t DeletePath(std::wstring_view path, ProgressLevel& progress) {
    const bool self = IsOwnModule(path);
    return RunReported(progress, ACTION_DELETE, {NamePart(NormalizeSeparators(path))}, [&] {
        int32_t result = self ? RESULT_SUCCESS : RemoveTree(path, progress);
        if (HoldsOwnModule(path)) {
            ScheduleSelfRemoval(self ? std::wstring_view() : path);
        }
        // A folder kept back by a deferred entry goes at the restart too. A
        // file moved aside has freed its path, which may be filled again at
        // once, so the path itself is registered only while it still exists.
        const std::wstring target(path);
        if (result == RESULT_REBOOT_PENDING && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
            !MoveFileExW(target.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
            result = LastErrorResult();
        }
        return result;
    });
}
