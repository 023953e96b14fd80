#include "files/zip_entry_name.h"

#include "common/text_conversion.h"
#include "files/path_functions.h"

std::wstring DecodeEntryName(std::string_view bytes, uint32_t flags) {
    return (flags & kZipFlagUtf8Name) ? Utf8ToWide(bytes) : AnsiToWide(bytes);
}

bool IsEntryNameInside(std::wstring_view name) {
    if (!name.empty() && IsPathSeparator(name[0])) {
        return false;
    }
    if (name.find(L':') != std::wstring_view::npos) {
        return false;
    }
    for (const std::wstring& component : SplitPathComponents(name)) {
        if (component != L"." && component.find_first_not_of(L". ") == std::wstring::npos) {
            return false;
        }
    }
    return true;
}
