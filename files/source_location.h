#pragma once
// Source locators of the copyfile tag: "res://" and "bin://" name a resource
// embedded in the program, "http://" and "https://" a web address, anything
// else a file or folder path. Prefixes ignore letter case.
#include <cstdint>
#include <string_view>

enum class SourceKind {
    Resource,  // "res://": resource `resid`, 101 when not given
    Url,       // "http://", "https://": the whole locator is the address
    Bundle,    // "bin://": resource `resid`, 0 when not given
    Path,
};

SourceKind ClassifySource(std::wstring_view locator);
bool IsUrlSource(std::wstring_view locator);

// A resource id as written in `resid`: a signed decimal number (leading
// white space and a sign allowed, stopping at the first non-digit, no digits
// giving 0); `whenEmpty` for an empty text.
int32_t ParseResourceId(std::wstring_view text, int32_t whenEmpty);
