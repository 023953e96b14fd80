#pragma once
// Deleting files and folder trees. A file that cannot be deleted (in use,
// locked) is moved aside to a free temporary name in its folder and, if that
// still cannot be deleted, deleted at the next restart: the result is then
// RESULT_REBOOT_PENDING and the path is free at once. The running program
// and a folder holding it are left to the self-removal script.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/main_progress.h"

// folder + "/" + base + ".tmp" + the first number from 0 to 9999 that names
// nothing; empty when all are taken. An empty base is "tempfile", an empty
// folder the current directory.
std::wstring MakeTempFileName(std::wstring_view base, std::wstring_view folder);

// One file; a missing path or a folder gives 0. Reports itemName and the
// temporary name as targetPath.
int32_t DeleteFileOrDefer(std::wstring_view path, ProgressLevel& progress);
// A reported DeleteFileOrDefer ("Delete NAME"); the program's own file is
// handed to the self-removal script instead.
int32_t DeleteFileChecked(std::wstring_view path, ProgressLevel& progress);
// A file or a folder with everything in it. A link (junction, symbolic
// link) is removed itself, never what it points to.
int32_t RemoveTree(std::wstring_view path, ProgressLevel& progress);
// The delete tag's operation on a file-system path: a reported RemoveTree
// that schedules the self-removal when the path holds the running program.
int32_t DeletePath(std::wstring_view path, ProgressLevel& progress);
