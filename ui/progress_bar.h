#pragma once
// The progress screen's bars follow the status line's per-mille fields; a
// field that is empty or -1 (the size is not known yet) makes the bar a
// marquee until a number comes again.
#include <windows.h>

#include <string>

void SetProgressBar(const std::wstring& text, HWND bar);
