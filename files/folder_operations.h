#pragma once
// Creating folder paths and probing whether a folder takes new files.
#include <cstdint>
#include <string_view>

// Creates the folder and every missing parent; an existing folder is fine, a
// file in its place is deleted first. Relative paths (a leading "\" included)
// are taken from the current directory. 0 or the system error code.
int32_t CreateDirectoryPath(std::wstring_view path);

// Whether a test file can be created in the folder and deleted again.
bool IsFolderWritable(std::wstring_view folder);
