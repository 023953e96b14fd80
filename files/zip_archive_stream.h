#pragma once
// How the zip library reads an archive: opened by its UTF-16 name (names
// outside the ANSI code page open too), read through one 64 KiB window. The
// library reads headers a few bytes at a time and seeks before every entry;
// the window serves both from memory, where a system call each would make
// archives of many small files slow.
#include <ioapi.h>

zlib_filefunc64_def ArchiveStreamFunctions();
