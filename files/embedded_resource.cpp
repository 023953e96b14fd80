#include "files/embedded_resource.h"

#include <windows.h>

#include <mutex>
#include <string>

#include "common/result_codes.h"
#include "files/delete_operations.h"
#include "files/folder_operations.h"
#include "files/path_functions.h"
#include "files/private_level.h"
#include "files/reported_operation.h"
#include "files/system_results.h"
#include "files/unique_handle.h"

namespace {

int32_t WriteWholeFile(const std::wstring& path, const void* bytes, DWORD size, ProgressLevel& progress) {
    UniqueHandle file = AdoptFileHandle(
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastErrorResult();
    }
    if (const int32_t written = WriteAll(file.get(), bytes, size); written != RESULT_SUCCESS) {
        return written;
    }
    progress.AddDone(size);
    return RESULT_SUCCESS;
}

}  // namespace

int32_t ExtractResource(ProgressLevel& progress, std::wstring_view dstView, int32_t id) {
    const std::wstring dst(dstView);
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.SetItemName(L"res://res.zip");
        progress.SetTargetPath(dst);
    }
    // The program's own module; the resource lives as long as the module, so
    // it needs no freeing.
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(static_cast<WORD>(id)), L"RT_BIN");
    if (resource == nullptr) {
        return LastErrorResult();
    }
    const HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) {
        return LastErrorResult();
    }
    const void* bytes = LockResource(loaded);
    if (bytes == nullptr) {
        return LastErrorResult();
    }
    const DWORD size = SizeofResource(module, resource);
    progress.SetTotal(size);
    if (GetFileAttributesW(dst.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const int32_t removed = RemoveTree(dst, PrivateLevel());
        if (removed != RESULT_SUCCESS && removed != RESULT_REBOOT_PENDING) {
            return removed;
        }
    }
    if (const int32_t created = CreateDirectoryPath(FolderPart(dst)); created != RESULT_SUCCESS) {
        return created;
    }
    return WriteWholeFile(dst, bytes, size, progress);
}

int32_t ExtractResourceWithProgress(ProgressLevel& progress, std::wstring_view dst, int32_t id,
                                    std::wstring_view displayName) {
    return RunReported(progress, ACTION_EXTRACT, {displayName, dst}, [&] { return ExtractResource(progress, dst, id); });
}
