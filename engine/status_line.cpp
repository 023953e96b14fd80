#include "engine/status_line.h"

namespace {

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && text.front() == L' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == L' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

StatusFields ParseStatusLine(std::wstring_view line) {
    StatusFields fields;
    size_t start = 0;
    while (start <= line.size()) {
        size_t end = line.find(L';', start);
        if (end == std::wstring_view::npos) {
            end = line.size();
        }
        const std::wstring_view field = line.substr(start, end - start);
        const size_t colon = field.find(L':');
        if (colon != std::wstring_view::npos) {
            const std::wstring_view key = TrimBlanks(field.substr(0, colon));
            if (!key.empty()) {
                fields.emplace(std::wstring(key), std::wstring(TrimBlanks(field.substr(colon + 1))));
            }
        }
        start = end + 1;
    }
    return fields;
}

std::wstring GetStatusField(const StatusFields& fields, const std::wstring& key) {
    auto found = fields.find(key);
    return found != fields.end() ? found->second : std::wstring();
}
