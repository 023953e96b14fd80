#include "files/own_paths.h"

#include <windows.h>

#include "files/path_functions.h"

namespace {

std::wstring ReadOwnModulePath() {
    std::wstring path(2048, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

// Function-local statics are initialised once, under the compiler's own lock.
const std::wstring& GetOwnModulePath() {
    static const std::wstring path = ReadOwnModulePath();
    return path;
}

const std::wstring& GetOwnModuleFolder() {
    static const std::wstring folder = FolderPart(GetOwnModulePath());
    return folder;
}

bool IsOwnModule(std::wstring_view path) { return IsSamePath(path, GetOwnModulePath()); }

bool HoldsOwnModule(std::wstring_view path) { return IsSameOrParentPath(path, GetOwnModulePath()); }

bool HoldsOwnFolder(std::wstring_view path) { return IsSameOrParentPath(path, GetOwnModuleFolder()); }
