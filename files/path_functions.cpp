#include "files/path_functions.h"

#include <windows.h>

#include "common/ci_string.h"

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::pair<std::wstring, std::wstring> SplitPath(std::wstring_view path) {
    size_t end = path.size();
    while (end > 0 && IsPathSeparator(path[end - 1])) {
        --end;
    }
    if (end == 0) {
        return {};
    }
    size_t separator = end;
    while (separator > 0 && !IsPathSeparator(path[separator - 1])) {
        --separator;
    }
    if (separator == 0) {
        return {std::wstring(), std::wstring(path.substr(0, end))};
    }
    std::wstring folder(path.substr(0, separator - 1));
    std::wstring name(path.substr(separator, end - separator));
    if (folder.empty() && path[0] == L'/') {
        folder = L"/";
    }
    return {std::move(folder), std::move(name)};
}

std::wstring EnsureTrailingSeparator(std::wstring_view path) {
    if (path.empty()) {
        return {};
    }
    size_t end = path.size();
    while (end > 0 && IsPathSeparator(path[end - 1])) {
        --end;
    }
    return std::wstring(path.substr(0, end)) + L"\\";
}

std::wstring NormalizeSeparators(std::wstring_view path) {
    std::wstring out(path);
    for (wchar_t& c : out) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return out;
}

bool IsAbsolutePath(std::wstring_view path) {
    if (!path.empty() && path[0] == L'/') {
        return true;
    }
    return path.size() >= 3 && path[1] == L':' && IsPathSeparator(path[2]);
}

std::vector<std::wstring> SplitPathComponents(std::wstring_view path) {
    std::vector<std::wstring> components;
    size_t i = 0;
    if (!path.empty() && IsPathSeparator(path[0])) {
        components.emplace_back();
    }
    while (i < path.size()) {
        while (i < path.size() && IsPathSeparator(path[i])) {
            ++i;
        }
        const size_t start = i;
        while (i < path.size() && !IsPathSeparator(path[i])) {
            ++i;
        }
        if (i > start) {
            components.emplace_back(path.substr(start, i - start));
        }
    }
    return components;
}

bool IsDotEntry(std::wstring_view name) { return name == L"." || name == L".."; }

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) { return ToCi(a) == ToCi(b); }

bool StartsWithNoCase(std::wstring_view prefix, std::wstring_view text) {
    return prefix.size() <= text.size() && EqualsNoCase(prefix, text.substr(0, prefix.size()));
}

std::wstring CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, folder.data());
    folder.resize(length < needed ? length : 0);
    return folder;
}

std::wstring FullPath(std::wstring_view path) {
    const std::wstring input(path);
    const DWORD needed = GetFullPathNameW(input.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return input;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(input.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return input;
    }
    full.resize(length);
    return full;
}

namespace {

// Whether the components of `outer` begin those of `inner`, both in absolute
// form; with `whole`, whether they are all of them.
bool ComponentsLead(std::wstring_view outer, std::wstring_view inner, bool whole) {
    if (outer.empty() || inner.empty()) {
        return false;
    }
    const std::vector<std::wstring> a = SplitPathComponents(FullPath(outer));
    const std::vector<std::wstring> b = SplitPathComponents(FullPath(inner));
    if (a.empty() || a.size() > b.size() || (whole && a.size() != b.size())) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (!EqualsNoCase(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsSamePath(std::wstring_view a, std::wstring_view b) { return ComponentsLead(a, b, true); }

bool IsSameOrParentPath(std::wstring_view path, std::wstring_view target) {
    return ComponentsLead(path, target, false);
}
