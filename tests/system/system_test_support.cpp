#include "tests/system/system_test_support.h"

#include <gtest/gtest.h>

#include "common/text_conversion.h"
#include "system/registry_key.h"
#include "tests/support/test_support.h"

RegistryValue ReadRegistryValue(HKEY root, const std::wstring& subkey, const std::wstring& name, REGSAM view) {
    RegistryValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ | (view != 0 ? view : kRegistryView), &key) !=
        ERROR_SUCCESS) {
        return value;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        value.exists = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size) ==
                       ERROR_SUCCESS;
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

bool RegistryKeyExists(HKEY root, const std::wstring& subkey, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ | (view != 0 ? view : kRegistryView), &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void SetRegistryValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                      const std::vector<BYTE>& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kRegistryView, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS)
        << WideToUtf8(subkey);
    RegSetValueExW(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void SetRegistryText(HKEY root, const std::wstring& subkey, const std::wstring& name, const std::wstring& text) {
    SetRegistryValue(root, subkey, name, REG_SZ, TextBytes(text, 1));
}

void RemoveRegistryTree(HKEY root, const std::wstring& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_ALL_ACCESS | kRegistryView, &key) != ERROR_SUCCESS) {
        return;
    }
    RegDeleteTreeW(key, nullptr);
    RegCloseKey(key);
    RegDeleteKeyExW(root, subkey.c_str(), kRegistryView, 0);
}

std::vector<BYTE> TextBytes(const std::wstring& text, int nuls) {
    std::wstring withNuls = text;
    withNuls.append(static_cast<size_t>(nuls), L'\0');
    const auto* first = reinterpret_cast<const BYTE*>(withNuls.data());
    return std::vector<BYTE>(first, first + withNuls.size() * sizeof(wchar_t));
}

std::wstring HelperPath(const std::wstring& fileName) { return ProgramFolder() + L"\\" + fileName; }

bool WaitForFile(const std::wstring& path, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!PathExists(path)) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

