#pragma once
// The path functions the system actions use, with the file-system layer's
// names and meanings: "\" and "/" both separate, names compare ignoring case.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// (folder, name): trailing separators are ignored; C:\a\b.txt gives
// (C:\a, b.txt), b.txt gives (empty, b.txt), /b.txt gives (/, b.txt).
std::pair<std::wstring, std::wstring> SplitPath(const std::wstring& path);
// The texts between runs of separators; a leading separator gives an empty
// first component, a trailing one none.
std::vector<std::wstring> SplitPathComponents(const std::wstring& path);
std::wstring NormalizeSeparators(const std::wstring& path);
// One "\" at the end instead of any run of separators; empty stays empty.
std::wstring EnsureTrailingSeparator(const std::wstring& path);
// Begins with "/", or with a drive letter, ":" and a separator.
bool IsAbsolutePath(const std::wstring& path);
// The folder of the running program.
std::wstring GetOwnModuleFolder();
// Creates the folder and its missing parents: 0 or the system error code.
int32_t CreateDirectoryPath(const std::wstring& path);
