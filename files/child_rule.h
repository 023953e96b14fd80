#pragma once
// Per-name rules read from the children of `delete` (deletefile: spare this
// registry name) and `unpack` (unpackfile: where an entry goes, whether it may
// overwrite, whether to skip it).
#include <string>
#include <string_view>

#include "engine/tag_handler.h"

struct ChildRule {
    bool found = false;
    std::wstring dst;
    bool never = false;  // overwrite="never"
    bool skip = false;   // skip="true"
};

// The first child whose `keyAttribute` equals `value` (ignoring case; an
// empty attribute never matches), in document order.
ChildRule FindChildRule(const CTagHandler& handler, std::wstring_view keyAttribute, std::wstring_view value);
