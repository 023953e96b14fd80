#pragma once
// Path and name functions shared by the whole file layer. "\" and "/" both
// separate components; names compare without regard to letter case.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

bool IsPathSeparator(wchar_t c);

// (folder, name): C:\a\b.txt gives (C:\a, b.txt), C:\a\b\ gives (C:\a, b),
// b.txt gives (, b.txt), /b.txt gives (/, b.txt).
std::pair<std::wstring, std::wstring> SplitPath(std::wstring_view path);
inline std::wstring FolderPart(std::wstring_view path) { return SplitPath(path).first; }
inline std::wstring NamePart(std::wstring_view path) { return SplitPath(path).second; }

// An empty path stays empty; otherwise exactly one "\" ends it.
std::wstring EnsureTrailingSeparator(std::wstring_view path);
std::wstring NormalizeSeparators(std::wstring_view path);
// "/..." or "X:\..." (three characters at least); \dir, C: and C:dir are not.
bool IsAbsolutePath(std::wstring_view path);
// The texts between runs of separators; a leading separator gives an empty
// first component, a trailing one none.
std::vector<std::wstring> SplitPathComponents(std::wstring_view path);
bool IsDotEntry(std::wstring_view name);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
// Character by character, separators included; "" is a prefix of everything.
bool StartsWithNoCase(std::wstring_view prefix, std::wstring_view text);

// The process's current directory.
std::wstring CurrentDirectory();

// The absolute form of a path (relative parts resolved against the current
// directory, "." and ".." folded); the path itself when that fails.
std::wstring FullPath(std::wstring_view path);
// True when both name the same file or folder, comparing whole components of
// the absolute forms (separators, letter case and "." parts aside).
bool IsSamePath(std::wstring_view a, std::wstring_view b);
// True when `path` names `target` itself or a folder that holds it, comparing
// whole components of the absolute forms: C:\Prog holds neither
// C:\Program Files nor anything in it.
bool IsSameOrParentPath(std::wstring_view path, std::wstring_view target);
