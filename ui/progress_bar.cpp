#include "ui/progress_bar.h"

#include <commctrl.h>

#include <cwchar>

namespace {

void ReplaceStyle(HWND bar, LONG_PTR remove, LONG_PTR add) {
    const LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
    SetWindowLongPtrW(bar, GWL_STYLE, (style & ~remove) | add);
}

}  // namespace

void SetProgressBar(const std::wstring& text, HWND bar) {
    const long value = std::wcstol(text.c_str(), nullptr, 10);
    const bool valid = !text.empty() && value != -1;
    const bool marquee = (GetWindowLongPtrW(bar, GWL_STYLE) & PBS_MARQUEE) != 0;
    if (marquee) {
        if (valid) {
            ReplaceStyle(bar, PBS_MARQUEE, PBS_SMOOTH);
            SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(value), 0);
        }
        return;
    }
    if (valid) {
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(value), 0);
    } else {
        ReplaceStyle(bar, PBS_SMOOTH, PBS_MARQUEE);
    }
}
