#include "system/list_entry_tag.h"

#include <vector>

#include "files/path_functions.h"
#include "system/registry_access.h"
#include "system/registry_key.h"

std::wstring RemoveListEntry(const std::wstring& list, const std::wstring& entry, wchar_t separator) {
    std::vector<std::wstring> entries;
    size_t start = 0;
    while (true) {
        const size_t end = list.find(separator, start);
        entries.push_back(list.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) {
            break;
        }
        start = end + 1;
    }
    // The installation appended its entry at the end, so the last match is it.
    for (size_t i = entries.size(); i-- > 0;) {
        if (!entry.empty() && EqualsNoCase(entries[i], entry)) {
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
            std::wstring joined;
            for (size_t j = 0; j < entries.size(); ++j) {
                joined += (j == 0 ? L"" : std::wstring(1, separator)) + entries[j];
            }
            return joined;
        }
    }
    return list;
}

void CRemoveListEntryHandler::Process() {
    const std::wstring valname = ToWide(AttributeSlot(L"valname"));
    const std::wstring entry = ToWide(AttributeSlot(L"entry"));
    const std::wstring separatorText = ToWide(GetAttribute(L"separator"));
    const wchar_t separator = separatorText.empty() ? L';' : separatorText[0];
    if (valname.empty() || entry.empty()) {
        return;
    }
    progress->action.Describe(ACTION_REGISTRY, {valname, L""});

    const RegistryValuePath value = SplitRegistryValuePath(valname);
    const size_t rootEnd = value.keyPath.find_first_of(L"\\/");
    const RegistryRoot root = ParseRegistryRoot(value.keyPath.substr(0, rootEnd));
    if (root.key == nullptr) {
        result = ERROR_FILE_NOT_FOUND;
        return;
    }
    std::wstring subkey = rootEnd == std::wstring::npos ? L"" : value.keyPath.substr(rootEnd + 1);
    if (!root.prefix.empty()) {
        subkey = root.prefix + L"\\" + subkey;
    }
    RegistryKey key;
    if (OpenRegistryKey(root.key, subkey, KEY_QUERY_VALUE | KEY_SET_VALUE, key) != ERROR_SUCCESS) {
        return;  // no key, no value: nothing to take out
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), value.valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), value.valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS) {
        return;
    }
    text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
    const std::wstring changed = RemoveListEntry(text, entry, separator);
    if (changed == text) {
        return;
    }
    const RegistryData data = BuildRegistryData(type, changed);
    result = RegSetValueExW(key.Get(), value.valueName.c_str(), 0, type, data.bytes.data(),
                            static_cast<DWORD>(data.bytes.size()));
}
