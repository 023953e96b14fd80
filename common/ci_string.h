#pragma once
// A UTF-16 string whose comparisons ignore letter case: tag, attribute and
// variable names are matched the way script authors expect (Package, PACKAGE
// and package are one tag; %language% finds LANGUAGE).
#include <string>
#include <string_view>

struct CiCharTraits : std::char_traits<wchar_t> {
    // Upper case through the user's locale; ASCII takes a fast path.
    static wchar_t Fold(wchar_t c);
    static bool eq(wchar_t a, wchar_t b) { return Fold(a) == Fold(b); }
    static bool lt(wchar_t a, wchar_t b) { return Fold(a) < Fold(b); }
    static int compare(const wchar_t* a, const wchar_t* b, size_t n);
    static const wchar_t* find(const wchar_t* s, size_t n, wchar_t c);
};

using CiString = std::basic_string<wchar_t, CiCharTraits>;

inline CiString ToCi(std::wstring_view text) { return CiString(text.data(), text.size()); }
inline std::wstring ToWide(const CiString& text) { return std::wstring(text.data(), text.size()); }
inline std::wstring_view AsView(const CiString& text) { return std::wstring_view(text.data(), text.size()); }

// The locale's upper-case form of the whole text.
CiString ToUpper(std::wstring_view text);
