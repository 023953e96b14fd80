#pragma once
// The registry services of the scripts: the root names of a registry path,
// the value writer, the string reader and the data a `valtype` text stands
// for.
//
// A registry path is cut at every "\" and "/" (a run counts as one). Its
// first component is a root name: HKLM, HKCR, HKCU, HKU or HKCC, short or
// long (HKEY_LOCAL_MACHINE...), in any letter case.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct RegistryRoot {
    HKEY key = nullptr;  // none for a name that is not a root
    // The first subkey to put in front of the rest of the path: the SID of
    // the launching user when the current-user root is redirected.
    std::wstring prefix;
};

// After an elevated relaunch that handed over the launching user's name, the
// current user of the scripts is that user: HKCU resolves to HKEY_USERS with
// the user's SID as prefix, so per-user settings land in the right hive.
RegistryRoot ParseRegistryRoot(std::wstring_view rootName);
// The same with the SID given (empty: no redirection).
RegistryRoot ParseRegistryRoot(std::wstring_view rootName, std::wstring_view userSid);

// Creates every key on `keyPath` (root name first, no value name) and sets
// one value. Returns the Windows error code: 2 for an invalid root, else that
// of the call that failed. An empty key path writes nothing and gives 0; a
// path of the root alone writes the value into the root key itself.
int32_t RegistryWriteValue(const std::wstring& keyPath, const std::wstring& valueName, DWORD type,
                           const void* data, DWORD size);

// The text of a REG_SZ or REG_EXPAND_SZ value (unexpanded), or an empty text
// when there is no such value. Plain key names; no root names, no
// redirection.
std::wstring RegistryReadString(HKEY root, const std::wstring& subkey, const std::wstring& valueName);

struct RegistryData {
    DWORD type = REG_SZ;
    std::vector<BYTE> bytes;
};

// The type a `valtype` text names; REG_SZ for an empty or unknown text.
DWORD RegistryTypeFromText(std::wstring_view valtype);
// The bytes a script's element text stands for as a value of `type`. Text
// types carry their terminating NUL (REG_MULTI_SZ also the list's), as
// readers that trust the registry's contract expect; REG_BINARY is the
// text's own UTF-16 bytes; the number types read the text as a signed
// decimal number.
RegistryData BuildRegistryData(DWORD type, std::wstring_view text);

// A registry path that names a value: the key path and the value name, where
// the name "default" (any letter case) stands for the key's unnamed value.
struct RegistryValuePath {
    std::wstring keyPath;
    std::wstring valueName;
};
RegistryValuePath SplitRegistryValuePath(const std::wstring& path);
