#include "system/registry_delete.h"

#include "common/result_codes.h"
#include "files/child_rule.h"
#include "files/path_functions.h"
#include "system/registry_access.h"
#include "system/registry_key.h"

namespace {

// Room for the longest value name the registry allows (16383 characters):
// enumeration stops at a name that does not fit, and a spared value behind it
// would then go with its key.
constexpr DWORD kNameBufferLength = 16384;

bool IsSpared(const CTagHandler& handler, const std::wstring& name) {
    return FindChildRule(handler, L"name", name).skip;
}

}  // namespace

bool IsRegistryPath(const std::wstring& path) {
    const size_t separator = path.find_first_of(L"\\/");
    return ParseRegistryRoot(path.substr(0, separator)).key != nullptr;
}

int32_t DeleteRegistryPath(const CTagHandler& handler, const std::wstring& path) {
    const size_t separator = path.find_first_of(L"\\/");
    if (separator == std::wstring::npos) {
        return ERROR_FILE_NOT_FOUND;
    }
    const RegistryRoot root = ParseRegistryRoot(path.substr(0, separator));
    if (root.key == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    std::wstring rest = path.substr(separator + 1);
    if (!root.prefix.empty()) {
        rest = root.prefix + L"\\" + rest;
    }

    RegistryKey key;
    if (OpenRegistryKey(root.key, rest, KEY_ALL_ACCESS, key) == ERROR_SUCCESS) {
        key = RegistryKey();
        return DeleteRegistryTree(handler, root.key, rest);
    }
    // Not a key: the last component names a value.
    const auto [keyPath, valueName] = SplitPath(rest);
    if (OpenRegistryKey(root.key, keyPath, KEY_ALL_ACCESS, key) != ERROR_SUCCESS) {
        return RESULT_SUCCESS;  // a value under a missing key is already gone
    }
    if (IsSpared(handler, valueName)) {
        return RESULT_SUCCESS;
    }
    const LSTATUS status = RegDeleteValueW(key.Get(), valueName.c_str());
    return (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) ? RESULT_SUCCESS : status;
}

int32_t DeleteRegistryTree(const CTagHandler& handler, HKEY parent, const std::wstring& subkey) {
    RegistryKey key;
    if (OpenRegistryKey(parent, subkey, KEY_ALL_ACCESS, key) == ERROR_SUCCESS) {
        bool kept = false;
        wchar_t name[kNameBufferLength];
        // A deleted entry moves the later ones down, so the index only
        // advances past entries that stay.
        for (DWORD i = 0;;) {
            DWORD length = kNameBufferLength;
            if (RegEnumValueW(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                break;
            }
            if (IsSpared(handler, name)) {
                kept = true;
                ++i;
            } else if (RegDeleteValueW(key.Get(), name) != ERROR_SUCCESS) {
                ++i;
            }
        }
        for (DWORD i = 0;;) {
            DWORD length = kNameBufferLength;
            if (RegEnumKeyExW(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                break;
            }
            if (IsSpared(handler, name)) {
                kept = true;
                ++i;
                continue;
            }
            const int32_t below = DeleteRegistryTree(handler, key.Get(), name);
            if (below == RESULT_GENERAL_ERROR) {
                kept = true;
            }
            if (below != RESULT_SUCCESS) {
                ++i;
            }
        }
        if (kept) {
            return RESULT_GENERAL_ERROR;
        }
    }
    return DeleteRegistryKey(parent, subkey);
}
