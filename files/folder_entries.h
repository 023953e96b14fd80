#pragma once
// Walking the entries of one folder.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

// Calls `visit` for every entry of `folder` but "." and "..", in the order
// the system lists them. RESULT_REBOOT_PENDING from a visit goes on and is
// the result at the end; any other failure ends the walk and is the result.
// A folder that cannot be listed has no entries.
int32_t ForEachFolderEntry(std::wstring_view folder, const std::function<int32_t(const WIN32_FIND_DATAW&)>& visit);
