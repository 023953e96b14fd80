#pragma once
// Copying files and folders with progress. A copy reads and writes in 4 MiB
// blocks and reports once per block.
#include <cstdint>
#include <string_view>

#include "engine/main_progress.h"

// One file. dst may be a new path (its folder is created), an existing
// folder (the copy goes into it under the source's name) or a file (which is
// deleted first, or moved aside when in use). A missing source gives 0; a
// target that is the source itself is left as it is.
int32_t CopySingleFile(std::wstring_view src, std::wstring_view dst, ProgressLevel& progress);
// A file as above, or a folder: its files are copied into dst under the
// folder's own name, its subfolders are created there empty.
int32_t CopyPath(std::wstring_view src, std::wstring_view dst, ProgressLevel& progress);
// A reported CopyPath ("Copy SRC to DST").
int32_t CopyWithProgress(ProgressLevel& progress, std::wstring_view src, std::wstring_view dst);
