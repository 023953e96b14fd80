#include "tests/support/machine_snapshot.h"

#include <cstdio>

#include "system/registry_key.h"

namespace {

void AddFolder(const std::wstring& folder, MachineSnapshot& snapshot) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW(folder.c_str(), GetFileExInfoStandard, &data);
        snapshot.entries[L"file " + folder] =
            std::to_wstring((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
        return;
    }
    snapshot.entries[L"dir " + folder] = L"";
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        return;
    }
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") {
            AddFolder(folder + L"\\" + name, snapshot);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

void AddKey(HKEY root, const std::wstring& path, MachineSnapshot& snapshot) {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | kRegistryView, &key) != ERROR_SUCCESS) {
        return;
    }
    snapshot.entries[L"key " + path] = L"";
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        BYTE data[65536];
        DWORD dataLength = sizeof(data);
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) {
            break;
        }
        std::wstring description = std::to_wstring(type) + L" ";
        for (DWORD b = 0; b < dataLength; ++b) {
            wchar_t hex[3];
            swprintf(hex, 3, L"%02x", data[b]);
            description += hex;
        }
        snapshot.entries[L"value " + path + L"\\" + name] = description;
    }
    std::vector<std::wstring> subkeys;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        subkeys.push_back(name);
    }
    RegCloseKey(key);
    for (const std::wstring& subkey : subkeys) {
        AddKey(root, path + L"\\" + subkey, snapshot);
    }
}

}  // namespace

MachineSnapshot MachineSnapshot::Take(const std::vector<std::wstring>& folders, const std::vector<RegistryTree>& keys) {
    MachineSnapshot snapshot;
    for (const std::wstring& folder : folders) {
        AddFolder(folder, snapshot);
    }
    for (const RegistryTree& tree : keys) {
        const std::wstring prefix = tree.root == HKEY_LOCAL_MACHINE ? L"HKLM\\" : L"HKCU\\";
        MachineSnapshot part;
        AddKey(tree.root, tree.path, part);
        for (auto& [entry, description] : part.entries) {
            const size_t space = entry.find(L' ');
            snapshot.entries[entry.substr(0, space + 1) + prefix + entry.substr(space + 1)] = description;
        }
    }
    return snapshot;
}

std::vector<std::wstring> MachineSnapshot::DifferencesTo(const MachineSnapshot& later) const {
    std::vector<std::wstring> differences;
    for (const auto& [entry, description] : entries) {
        auto found = later.entries.find(entry);
        if (found == later.entries.end()) {
            differences.push_back(L"- " + entry + L" " + description);
        } else if (found->second != description) {
            differences.push_back(L"~ " + entry + L" " + description + L" -> " + found->second);
        }
    }
    for (const auto& [entry, description] : later.entries) {
        if (entries.count(entry) == 0) {
            differences.push_back(L"+ " + entry + L" " + description);
        }
    }
    return differences;
}

std::wstring SnapshotText(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) {
        text += line + L"\n";
    }
    return text;
}
