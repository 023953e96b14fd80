#include "files/copy_operations.h"

#include <windows.h>

#include <memory>
#include <string>

#include "common/result_codes.h"
#include "files/delete_operations.h"
#include "files/folder_entries.h"
#include "files/folder_operations.h"
#include "files/path_functions.h"
#include "files/private_level.h"
#include "files/reported_operation.h"
#include "files/system_results.h"
#include "files/unique_handle.h"

namespace {

constexpr DWORD kCopyBlock = 4 * 1024 * 1024;

bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    UniqueHandle file = AdoptFileHandle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && GetFileInformationByHandle(file.get(), &info);
}

// Also through another spelling of the path (short names, links).
bool IsSameFile(const std::wstring& a, const std::wstring& b) {
    if (IsSamePath(a, b)) {
        return true;
    }
    BY_HANDLE_FILE_INFORMATION first, second;
    return FileIdentity(a, first) && FileIdentity(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

// Moves the bytes; a target that was not written completely (a failure, the
// user's abort) is removed rather than left looking like a copy.
int32_t CopyContents(const std::wstring& src, const std::wstring& target, ProgressLevel& progress) {
    UniqueHandle in = AdoptFileHandle(
        CreateFileW(src.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in) {
        return LastErrorResult();
    }
    UniqueHandle out = AdoptFileHandle(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) {
        return LastErrorResult();
    }
    int32_t result = RESULT_SUCCESS;
    try {
        const std::unique_ptr<char[]> buffer(new char[kCopyBlock]);
        LARGE_INTEGER size{};
        GetFileSizeEx(in.get(), &size);
        progress.AddTotal(size.QuadPart);
        for (;;) {
            DWORD read = 0;
            if (!ReadFile(in.get(), buffer.get(), kCopyBlock, &read, nullptr)) {
                result = LastErrorResult();
                break;
            }
            if (read == 0) {
                break;
            }
            if ((result = WriteAll(out.get(), buffer.get(), read)) != RESULT_SUCCESS) {
                break;
            }
            progress.AddDone(read);
        }
    } catch (...) {
        out.reset();
        DeleteFileW(target.c_str());
        throw;
    }
    if (result != RESULT_SUCCESS) {
        out.reset();
        DeleteFileW(target.c_str());
    }
    return result;
}

}  // namespace

int32_t CopySingleFile(std::wstring_view srcView, std::wstring_view dstView, ProgressLevel& progress) {
    if (srcView.empty() || dstView.empty()) {
        return RESULT_SUCCESS;
    }
    const std::wstring src(srcView);
    const DWORD srcAttributes = GetFileAttributesW(src.c_str());
    if (srcAttributes == INVALID_FILE_ATTRIBUTES || (srcAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return RESULT_SUCCESS;
    }
    progress.SetItemName(src);
    std::wstring target(dstView);
    const DWORD dstAttributes = GetFileAttributesW(target.c_str());
    int32_t result = RESULT_SUCCESS;
    if (dstAttributes == INVALID_FILE_ATTRIBUTES) {
        result = CreateDirectoryPath(FolderPart(target));
    } else {
        if (dstAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            target = EnsureTrailingSeparator(target) + NamePart(src);
        }
        // Replacing a file by itself would delete the only copy.
        if (IsSameFile(src, target)) {
            progress.SetTargetPath(target);
            return RESULT_SUCCESS;
        }
        const DWORD targetAttributes = GetFileAttributesW(target.c_str());
        if (targetAttributes != INVALID_FILE_ATTRIBUTES && !(targetAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            result = DeleteFileOrDefer(target, PrivateLevel());
        }
    }
    progress.SetTargetPath(target);
    if (result != RESULT_SUCCESS && result != RESULT_REBOOT_PENDING) {
        return result;
    }
    const int32_t copied = CopyContents(src, target, progress);
    return copied != RESULT_SUCCESS ? copied : result;
}

int32_t CopyPath(std::wstring_view srcView, std::wstring_view dstView, ProgressLevel& progress) {
    if (srcView.empty() || dstView.empty()) {
        return RESULT_SUCCESS;
    }
    const std::wstring src(srcView);
    const std::wstring dst(dstView);
    const DWORD srcAttributes = GetFileAttributesW(src.c_str());
    if (srcAttributes == INVALID_FILE_ATTRIBUTES) {
        return RESULT_SUCCESS;
    }
    if (!(srcAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return CopySingleFile(src, dst, progress);
    }
    const DWORD dstAttributes = GetFileAttributesW(dst.c_str());
    if (dstAttributes == INVALID_FILE_ATTRIBUTES) {
        if (const int32_t created = CreateDirectoryPath(dst); created != RESULT_SUCCESS) {
            return created;
        }
    } else if (!(dstAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const int32_t deleted = DeleteFileOrDefer(dst, PrivateLevel());
        if (deleted != RESULT_SUCCESS && deleted != RESULT_REBOOT_PENDING) {
            return deleted;
        }
    }
    const std::wstring root = dst + L"\\" + NamePart(src);
    if (const int32_t created = CreateDirectoryPath(root); created != RESULT_SUCCESS) {
        return created;
    }
    // A file replaced while in use (its old copy goes at the restart) is a
    // success: the copy goes on and the pending restart is reported.
    return ForEachFolderEntry(src, [&](const WIN32_FIND_DATAW& entry) {
        const std::wstring target = root + L"\\" + entry.cFileName;
        return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                   ? CreateDirectoryPath(target)
                   : CopyPath(src + L"\\" + entry.cFileName, target, progress);
    });
}

int32_t CopyWithProgress(ProgressLevel& progress, std::wstring_view src, std::wstring_view dst) {
    return RunReported(progress, ACTION_COPY, {src, dst}, [&] { return CopyPath(src, dst, progress); });
}
