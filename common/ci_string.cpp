#include "common/ci_string.h"

#include <windows.h>

wchar_t CiCharTraits::Fold(wchar_t c) {
    if (c < 0x80) {
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - (L'a' - L'A')) : c;
    }
    // CharUpperW treats a pointer whose high word is zero as one character.
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
        CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

int CiCharTraits::compare(const wchar_t* a, const wchar_t* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = Fold(a[i]);
        const wchar_t y = Fold(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return 0;
}

const wchar_t* CiCharTraits::find(const wchar_t* s, size_t n, wchar_t c) {
    const wchar_t folded = Fold(c);
    for (size_t i = 0; i < n; ++i) {
        if (Fold(s[i]) == folded) {
            return s + i;
        }
    }
    return nullptr;
}

CiString ToUpper(std::wstring_view text) {
    CiString upper(text.data(), text.size());
    for (wchar_t& c : upper) {
        c = CiCharTraits::Fold(c);
    }
    return upper;
}
