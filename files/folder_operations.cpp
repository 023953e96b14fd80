#include "files/folder_operations.h"

#include <windows.h>

#include <string>

#include "common/result_codes.h"
#include "files/delete_operations.h"
#include "files/path_functions.h"
#include "files/private_level.h"
#include "files/unique_handle.h"

namespace {

constexpr size_t kMaxProbePath = 2048;

}  // namespace

int32_t CreateDirectoryPath(std::wstring_view path) {
    if (path.empty()) {
        return RESULT_SUCCESS;
    }
    const std::wstring target(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return RESULT_SUCCESS;
        }
        // A file in the way goes; if it cannot, creating the folder fails.
        DeleteFileChecked(target, PrivateLevel());
    }
    const std::vector<std::wstring> components = SplitPathComponents(path);
    std::wstring accumulated;
    size_t first = 0;
    if (IsAbsolutePath(path)) {
        accumulated = components.empty() ? std::wstring() : components[0];
        first = 1;
    } else {
        accumulated = CurrentDirectory();
        while (!accumulated.empty() && IsPathSeparator(accumulated.back())) {
            accumulated.pop_back();
        }
    }
    for (size_t i = first; i < components.size(); ++i) {
        accumulated += L'\\';
        accumulated += components[i];
        if (!CreateDirectoryW(accumulated.c_str(), nullptr)) {
            const DWORD error = GetLastError();
            if (error != ERROR_ALREADY_EXISTS) {
                return static_cast<int32_t>(error);
            }
        }
    }
    return RESULT_SUCCESS;
}

bool IsFolderWritable(std::wstring_view folder) {
    const std::wstring probe = std::wstring(folder) + L"\\tst.b@t";
    if (probe.size() > kMaxProbePath) {
        return false;
    }
    UniqueHandle file = AdoptFileHandle(
        CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    file.reset();
    return DeleteFileW(probe.c_str()) != FALSE;
}
