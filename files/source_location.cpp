#include "files/source_location.h"

#include <cwchar>
#include <string>

#include "files/path_functions.h"

bool IsUrlSource(std::wstring_view locator) {
    return StartsWithNoCase(L"http://", locator) || StartsWithNoCase(L"https://", locator);
}

SourceKind ClassifySource(std::wstring_view locator) {
    if (StartsWithNoCase(L"res://", locator)) {
        return SourceKind::Resource;
    }
    if (IsUrlSource(locator)) {
        return SourceKind::Url;
    }
    if (StartsWithNoCase(L"bin://", locator)) {
        return SourceKind::Bundle;
    }
    return SourceKind::Path;
}

int32_t ParseResourceId(std::wstring_view text, int32_t whenEmpty) {
    if (text.empty()) {
        return whenEmpty;
    }
    const std::wstring number(text);
    return static_cast<int32_t>(wcstol(number.c_str(), nullptr, 10));
}
