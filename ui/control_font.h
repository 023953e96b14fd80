#pragma once
// Fonts of single controls. Fonts made here are never deleted: each control
// keeps its font until the process ends.
#include <windows.h>

// The font a control draws with now.
LOGFONTW ControlFont(HWND control);
// Gives the control a new font made from the description (no redraw).
void SetControlFont(HWND control, const LOGFONTW& font);

// The control's font, its height scaled (truncated toward zero: -11 by 1.5
// gives -16), bold or normal weight, never italic.
void CreateScaledFont(HWND control, float scale, bool bold);
