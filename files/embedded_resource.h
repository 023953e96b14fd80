#pragma once
// Files embedded in the program as resources of type "RT_BIN", written out
// byte for byte.
#include <cstdint>
#include <string_view>

#include "engine/main_progress.h"

// Replaces whatever is at dst (a file or a whole folder tree) by the bytes of
// resource `id`. A missing resource fails with the system's error and leaves
// dst alone. Never reports a pending restart.
int32_t ExtractResource(ProgressLevel& progress, std::wstring_view dst, int32_t id);
// A reported ExtractResource ("Extract DISPLAYNAME to DST").
int32_t ExtractResourceWithProgress(ProgressLevel& progress, std::wstring_view dst, int32_t id,
                                    std::wstring_view displayName);
