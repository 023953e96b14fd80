#include "files/download_target.h"

#include <windows.h>

#include <vector>

#include "common/result_codes.h"

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

struct FolderAndName {
    std::wstring folder;
    std::wstring name;
};

FolderAndName SplitFolderAndName(std::wstring_view path) {
    size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1])) {
        --end;
    }
    if (end == 0) {
        return {};
    }
    size_t last = end;
    while (last > 0 && !IsSeparator(path[last - 1])) {
        --last;
    }
    if (last == 0) {
        return {std::wstring(), std::wstring(path.substr(0, end))};
    }
    FolderAndName parts{std::wstring(path.substr(0, last - 1)), std::wstring(path.substr(last, end - last))};
    if (parts.folder.empty() && path[0] == L'/') {
        parts.folder = L"/";
    }
    return parts;
}

std::wstring CurrentDirectory() {
    std::vector<wchar_t> buffer(16384);
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    return length < buffer.size() ? std::wstring(buffer.data(), length) : std::wstring();
}

bool IsAbsolute(std::wstring_view path) {
    return (!path.empty() && path[0] == L'/') || (path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]));
}

std::vector<std::wstring> Components(std::wstring_view path) {
    std::vector<std::wstring> components;
    size_t i = 0;
    if (!path.empty() && IsSeparator(path[0])) {
        components.emplace_back();
    }
    while (i < path.size()) {
        while (i < path.size() && IsSeparator(path[i])) {
            ++i;
        }
        const size_t start = i;
        while (i < path.size() && !IsSeparator(path[i])) {
            ++i;
        }
        if (i > start) {
            components.emplace_back(path.substr(start, i - start));
        }
    }
    return components;
}

}  // namespace

DownloadTarget ChooseDownloadTarget(const std::wstring& dst) {
    if (dst.empty()) {
        return {};
    }
    const DWORD attributes = GetFileAttributesW(dst.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return {dst, std::wstring()};
    }
    FolderAndName parts = SplitFolderAndName(dst);
    return {std::move(parts.folder), std::move(parts.name)};
}

std::wstring NameOfPath(std::wstring_view path) { return SplitFolderAndName(path).name; }

std::wstring JoinFolderAndName(std::wstring_view folder, std::wstring_view name) {
    size_t end = folder.size();
    while (end > 0 && IsSeparator(folder[end - 1])) {
        --end;
    }
    std::wstring joined(folder.substr(0, end));
    if (!folder.empty()) {
        joined += L'\\';
    }
    joined += name;
    return joined;
}

int32_t CreateTargetFolder(const std::wstring& folder) {
    if (folder.empty()) {
        return RESULT_SUCCESS;
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return RESULT_SUCCESS;
        }
        SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(folder.c_str());
    }
    const std::vector<std::wstring> components = Components(folder);
    size_t next = 0;
    std::wstring path;
    if (IsAbsolute(folder)) {
        path = components.empty() ? std::wstring() : components[0];
        next = 1;
    } else {
        path = CurrentDirectory();
    }
    for (; next < components.size(); ++next) {
        path += L'\\';
        path += components[next];
        if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return static_cast<int32_t>(GetLastError());
        }
    }
    return RESULT_SUCCESS;
}

int32_t ClearOldTarget(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return RESULT_SUCCESS;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesW(path.c_str(), 0);
    }
    if (DeleteFileW(path.c_str())) {
        return RESULT_SUCCESS;
    }
    // A file in use can often be renamed though not deleted: move it out of
    // the way and let the next restart delete it.
    const FolderAndName parts = SplitFolderAndName(path);
    const std::wstring stem = parts.folder + L"/" + parts.name + L".tmp";
    std::wstring aside;
    for (int i = 0; i < 10000 && aside.empty(); ++i) {
        const std::wstring candidate = stem + std::to_wstring(i);
        if (GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) {
            aside = candidate;
        }
    }
    if (!MoveFileW(path.c_str(), aside.c_str())) {
        return static_cast<int32_t>(GetLastError());
    }
    if (DeleteFileW(aside.c_str())) {
        return RESULT_SUCCESS;
    }
    if (!MoveFileExW(aside.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
        return static_cast<int32_t>(GetLastError());
    }
    return RESULT_REBOOT_PENDING;
}
