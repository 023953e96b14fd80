#include "system/list_entry_tag.h"

#include <vector>

#include "common/result_codes.h"

#include "files/path_functions.h"
#include "system/registry_access.h"
#include "system/registry_key.h"

namespace {

std::vector<std::wstring> SplitList(const std::wstring& list, wchar_t separator) {
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
    return entries;
}

}  // namespace

std::wstring AddListEntry(const std::wstring& list, const std::wstring& entry, wchar_t separator) {
    for (const std::wstring& existing : SplitList(list, separator)) {
        if (EqualsNoCase(existing, entry)) {
            return list;
        }
    }
    return list.empty() ? entry : list + separator + entry;
}

std::wstring RemoveListEntry(const std::wstring& list, const std::wstring& entry, wchar_t separator) {
    std::vector<std::wstring> entries = SplitList(list, separator);
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

void CListEntryHandler::Process() {
    const CiString action = AttributeSlot(L"action");
    const std::wstring valname = ToWide(AttributeSlot(L"valname"));
    const std::wstring entry = ToWide(AttributeSlot(L"entry"));
    const std::wstring separatorText = ToWide(GetAttribute(L"separator"));
    const wchar_t separator = separatorText.empty() ? L';' : separatorText[0];
    if (valname.empty() || entry.empty()) {
        return;
    }
    const bool add = action == L"add";
    if (!add && action != L"remove") {
        result = RESULT_ATTRIBUTE_NOT_SUPPORTED;
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
    const LSTATUS opened = add ? CreateRegistryKey(root.key, subkey, key)
                               : OpenRegistryKey(root.key, subkey, KEY_QUERY_VALUE | KEY_SET_VALUE, key);
    if (opened != ERROR_SUCCESS) {
        if (add) {
            result = opened;
        }
        return;  // removing from a missing key: nothing to take out
    }
    DWORD type = 0;
    DWORD size = 0;
    std::wstring text;
    const LSTATUS queried = RegQueryValueExW(key.Get(), value.valueName.c_str(), nullptr, &type, nullptr, &size);
    if (queried == ERROR_FILE_NOT_FOUND && add) {
        const std::wstring valtype = ToWide(GetAttribute(L"valtype"));
        type = valtype.empty() ? REG_EXPAND_SZ : RegistryTypeFromText(valtype);
    } else if (queried != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        if (add) {
            result = queried != ERROR_SUCCESS ? queried : ERROR_INVALID_DATATYPE;
        }
        return;  // a value that cannot be read is never rewritten
    } else {
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key.Get(), value.valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
            return;
        }
        text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
    }
    const std::wstring changed = add ? AddListEntry(text, entry, separator) : RemoveListEntry(text, entry, separator);
    if (changed == text && queried == ERROR_SUCCESS) {
        return;
    }
    const RegistryData data = BuildRegistryData(type, changed);
    result = RegSetValueExW(key.Get(), value.valueName.c_str(), 0, type, data.bytes.data(),
                            static_cast<DWORD>(data.bytes.size()));
}
