#pragma once
// Removal of the running program after it has ended: a running program's
// image cannot be deleted, so a batch script in the temporary folder waits
// until the file can go, deletes it and the folder given, then itself.
#include <cstdint>
#include <string>
#include <string_view>

// Writes "cleaner.bat" to the temporary folder and starts it hidden, with
// the rights the program has. `folder` empty: only the program file goes.
// 0 or the system error code of the write or the start.
int32_t ScheduleSelfRemoval(std::wstring_view folder = {});

// The same for any program file, as the script sees it.
int32_t StartRemovalScript(std::wstring_view program, std::wstring_view folder);

// The script's text. The paths reach it through its environment and are
// expanded late ("!NAME!"), so that no character of them ("%", "&", "^",
// letters of any script) is ever parsed by cmd.exe.
std::string RemovalScriptText(bool withFolder);
