#pragma once
// Extraction of a zip archive into a folder, with per-entry rules read from
// the unpackfile children of the unpack element.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/main_progress.h"
#include "engine/tag_handler.h"

// Entries that would land outside the destination are refused with this.
constexpr int32_t RESULT_ENTRY_OUTSIDE_DESTINATION = ERROR_BAD_PATHNAME;

// An entry's DOS date and time (date in the high word), taken as local time,
// in UTC; nothing when it is no valid calendar date.
std::optional<FILETIME> DosDateTimeToFileTime(uint32_t dosDateTime);

// Extracts `src` below `dst` ("Extract SRC to DST"). `rules` holds the
// unpackfile children (src, dst, overwrite="never", skip="true"). The
// archive's folder becomes the current directory and stays it. Results: 0;
// 2 when the archive cannot be opened; RESULT_ENTRY_OUTSIDE_DESTINATION
// before anything is written; the library's negative codes (a damaged entry
// is removed again); system error codes of the writes.
int32_t ExtractArchive(const CTagHandler& rules, ProgressLevel& progress, std::wstring_view src,
                       std::wstring_view dst);
