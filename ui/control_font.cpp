#include "ui/control_font.h"

LOGFONTW ControlFont(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof font, &font);
    return font;
}

void SetControlFont(HWND control, const LOGFONTW& font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectW(&font)), FALSE);
}

void CreateScaledFont(HWND control, float scale, bool bold) {
    LOGFONTW font = ControlFont(control);
    font.lfHeight = static_cast<LONG>(static_cast<float>(font.lfHeight) * scale);
    font.lfItalic = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    SetControlFont(control, font);
}
