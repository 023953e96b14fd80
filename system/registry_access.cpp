#include "system/registry_access.h"

#include <cwchar>

#include "common/ci_string.h"
#include "engine/global_params.h"
#include "files/path_functions.h"
#include "system/registry_key.h"

namespace {

struct RootName {
    const wchar_t* shortName;
    const wchar_t* longName;
    HKEY key;
};

const RootName kRootNames[] = {
    {L"HKLM", L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {L"HKCR", L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {L"HKCU", L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},   {L"HKU", L"HKEY_USERS", HKEY_USERS},
    {L"HKCC", L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

struct TypeName {
    const wchar_t* text;
    DWORD type;
};

const TypeName kTypeNames[] = {
    {L"REG_SZ", REG_SZ},       {L"REG_EXPAND_SZ", REG_EXPAND_SZ}, {L"REG_BINARY", REG_BINARY},
    {L"REG_DWORD", REG_DWORD}, {L"REG_MULTI_SZ", REG_MULTI_SZ},   {L"REG_QWORD", REG_QWORD},
};

void AppendBytes(std::vector<BYTE>& bytes, const void* data, size_t size) {
    const auto* first = static_cast<const BYTE*>(data);
    bytes.insert(bytes.end(), first, first + size);
}

void AppendText(std::vector<BYTE>& bytes, std::wstring_view text) {
    AppendBytes(bytes, text.data(), text.size() * sizeof(wchar_t));
}

}  // namespace

RegistryRoot ParseRegistryRoot(std::wstring_view rootName) {
    return ParseRegistryRoot(rootName, AsView(GetGlobalParams().userSid));
}

RegistryRoot ParseRegistryRoot(std::wstring_view rootName, std::wstring_view userSid) {
    const CiString name = ToCi(rootName);
    for (const RootName& root : kRootNames) {
        if (name != root.shortName && name != root.longName) {
            continue;
        }
        if (root.key == HKEY_CURRENT_USER && !userSid.empty()) {
            return {HKEY_USERS, std::wstring(userSid)};
        }
        return {root.key, std::wstring()};
    }
    return {};
}

int32_t RegistryWriteValue(const std::wstring& keyPath, const std::wstring& valueName, DWORD type,
                           const void* data, DWORD size) {
    if (keyPath.empty()) {
        return ERROR_SUCCESS;
    }
    const std::vector<std::wstring> components = SplitPathComponents(keyPath);
    const RegistryRoot root = ParseRegistryRoot(components.empty() ? std::wstring() : components.front());
    if (root.key == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    // One call creates every missing key; the components are joined with
    // "\" because "/" is an ordinary character in a key name.
    std::wstring subkey = root.prefix;
    for (size_t i = 1; i < components.size(); ++i) {
        if (!subkey.empty()) {
            subkey += L'\\';
        }
        subkey += components[i];
    }
    RegistryKey key;
    if (subkey.empty()) {
        key = RegistryKey::Adopt(root.key);
    } else if (const LSTATUS status = CreateRegistryKey(root.key, subkey, key); status != ERROR_SUCCESS) {
        return status;
    }
    return RegSetValueExW(key.Get(), valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

std::wstring RegistryReadString(HKEY root, const std::wstring& subkey, const std::wstring& valueName) {
    RegistryKey key;
    if (OpenRegistryKey(root, subkey, KEY_READ, key) != ERROR_SUCCESS) {
        return {};
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS) {
        return {};
    }
    // A value written without its terminator, or with several, reads the same.
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

DWORD RegistryTypeFromText(std::wstring_view valtype) {
    const CiString text = ToCi(valtype);
    for (const TypeName& name : kTypeNames) {
        if (text == name.text) {
            return name.type;
        }
    }
    return REG_SZ;
}

RegistryData BuildRegistryData(DWORD type, std::wstring_view text) {
    RegistryData data;
    data.type = type;
    switch (type) {
        case REG_DWORD: {
            const auto number = static_cast<uint32_t>(std::wcstoll(std::wstring(text).c_str(), nullptr, 10));
            AppendBytes(data.bytes, &number, sizeof(number));
            break;
        }
        case REG_QWORD: {
            const auto number = static_cast<uint64_t>(std::wcstoll(std::wstring(text).c_str(), nullptr, 10));
            AppendBytes(data.bytes, &number, sizeof(number));
            break;
        }
        case REG_BINARY:
            AppendText(data.bytes, text);
            break;
        case REG_MULTI_SZ:
            AppendText(data.bytes, text);
            AppendText(data.bytes, std::wstring_view(L"\0\0", 2));
            break;
        default:
            AppendText(data.bytes, text);
            AppendText(data.bytes, std::wstring_view(L"\0", 1));
            break;
    }
    return data;
}

RegistryValuePath SplitRegistryValuePath(const std::wstring& path) {
    auto [keyPath, valueName] = SplitPath(path);
    if (ToCi(valueName) == L"default") {
        valueName.clear();
    }
    return {keyPath, valueName};
}
