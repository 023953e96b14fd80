#include "common/text_conversion.h"

#include <windows.h>

namespace {

std::string FromWide(UINT codePage, DWORD flags, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), out.data(), length,
                            nullptr, nullptr);
    }
    return out;
}

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
    }
    return out;
}

}  // namespace

std::string WideToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, 0, text); }
std::wstring Utf8ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }
// No best-fit mapping: a character the code page lacks becomes "?" rather than
// a look-alike that names another file.
std::string WideToAnsi(std::wstring_view text) { return FromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text); }
std::wstring AnsiToWide(std::string_view text) { return ToWide(CP_ACP, text); }
