#pragma once
// Where a download lands, and how the file already there makes room for it.
#include <cstdint>
#include <string>
#include <string_view>

struct DownloadTarget {
    std::wstring folder;  // empty: the current directory
    std::wstring name;    // empty: the server names the file
};

// An existing folder keeps the server's name; any other non-empty path names
// the file itself; an empty path leaves both to the download.
DownloadTarget ChooseDownloadTarget(const std::wstring& dst);

// The last component of a path or address ("/" and "\" both separate),
// trailing separators ignored.
std::wstring NameOfPath(std::wstring_view path);

// The folder with one trailing "\" followed by the name.
std::wstring JoinFolderAndName(std::wstring_view folder, std::wstring_view name);

// Creates the folder and its missing parents; a file in its place is removed.
int32_t CreateTargetFolder(const std::wstring& folder);

// Frees the path for the finished download: 0 when nothing is there any more,
// RESULT_REBOOT_PENDING when a file in use was moved aside to its ".tmpN"
// name and its deletion is registered for the next restart, else the system
// error code.
int32_t ClearOldTarget(const std::wstring& path);
