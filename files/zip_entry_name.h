#pragma once
// Names of zip archive entries: how their bytes are read, and which of them
// may be written below a destination folder.
#include <cstdint>
#include <string>
#include <string_view>

// General-purpose flag bit 11: the name is UTF-8.
constexpr uint32_t kZipFlagUtf8Name = 1u << 11;

// UTF-8 when the entry's flags say so, else the ANSI code page.
std::wstring DecodeEntryName(std::string_view bytes, uint32_t flags);

// False for a name that could land outside the destination: one that begins
// with a separator, holds a ":" (drive letters, alternate streams) or has a
// component of dots and spaces only other than "." (".." and the forms
// Windows folds into it), whichever of "/" and "\" separate it.
bool IsEntryNameInside(std::wstring_view name);
