#include "system/path_text.h"

#include <windows.h>

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::pair<std::wstring, std::wstring> SplitPath(const std::wstring& path) {
    size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1])) {
        --end;
    }
    if (end == 0) {
        return {};
    }
    const size_t separator = path.find_last_of(L"\\/", end - 1);
    if (separator == std::wstring::npos) {
        return {std::wstring(), path.substr(0, end)};
    }
    std::wstring folder = path.substr(0, separator);
    if (folder.empty() && path[0] == L'/') {
        folder = L"/";
    }
    return {folder, path.substr(separator + 1, end - separator - 1)};
}

std::vector<std::wstring> SplitPathComponents(const std::wstring& path) {
    std::vector<std::wstring> components;
    size_t pos = 0;
    if (!path.empty() && IsSeparator(path[0])) {
        components.emplace_back();
    }
    while (true) {
        const size_t start = path.find_first_not_of(L"\\/", pos);
        if (start == std::wstring::npos) {
            break;
        }
        const size_t end = path.find_first_of(L"\\/", start);
        components.push_back(path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        pos = end;
    }
    return components;
}

std::wstring NormalizeSeparators(const std::wstring& path) {
    std::wstring out = path;
    for (wchar_t& c : out) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return out;
}

std::wstring EnsureTrailingSeparator(const std::wstring& path) {
    if (path.empty()) {
        return path;
    }
    size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1])) {
        --end;
    }
    return path.substr(0, end) + L"\\";
}

bool IsAbsolutePath(const std::wstring& path) {
    return (!path.empty() && path[0] == L'/') || (path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]));
}

std::wstring GetOwnModuleFolder() {
    static const std::wstring folder = [] {
        wchar_t path[2048] = {};
        const DWORD length = GetModuleFileNameW(nullptr, path, 2048);
        return SplitPath(std::wstring(path, length)).first;
    }();
    return folder;
}

int32_t CreateDirectoryPath(const std::wstring& path) {
    if (path.empty()) {
        return ERROR_SUCCESS;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return ERROR_SUCCESS;
    }
    const std::vector<std::wstring> components = SplitPathComponents(path);
    std::wstring accumulated;
    size_t first = 0;
    if (IsAbsolutePath(path)) {
        accumulated = components.front();
        first = 1;
    } else {
        wchar_t current[2048] = {};
        accumulated.assign(current, GetCurrentDirectoryW(2048, current));
    }
    for (size_t i = first; i < components.size(); ++i) {
        accumulated += L'\\' + components[i];
        if (!CreateDirectoryW(accumulated.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return static_cast<int32_t>(GetLastError());
        }
    }
    return ERROR_SUCCESS;
}
