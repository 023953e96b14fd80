#pragma once
// UTF-16 inside the program; UTF-8 in documents and URLs; the ANSI code page
// where an old narrow API wants it. No result holds a terminating zero.
#include <string>
#include <string_view>

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
std::wstring AnsiToWide(std::string_view text);
