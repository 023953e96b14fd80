#pragma once
// The status line is the one channel from a running script to the screens:
// "action:%s; name:%s; progress1:%i; progress2:%i; status:%s", then
// "; error: TEXT" after a failure or "; reboot:true" after a pending restart.
#include <map>
#include <string>
#include <string_view>

using StatusFields = std::map<std::wstring, std::wstring>;

// Keys and values with the blanks around them dropped; the first occurrence
// of a key wins; later colons belong to the value (so C:\a survives).
StatusFields ParseStatusLine(std::wstring_view line);
std::wstring GetStatusField(const StatusFields& fields, const std::wstring& key);
