#pragma once
// Static controls drawn as coloured links, and the hook in their dialog that
// colours the text of every static control (and check box and radio button)
// in it: the colour property when a control has one, black otherwise.
#include <windows.h>

// Hooks the control's dialog (once, however many links it has), lets the
// control report clicks (SS_NOTIFY), shows the hand cursor over it, gives it
// an underline-free, optionally italic copy of its font and the colour.
BOOL MakeHyperlink(HWND control, COLORREF colour, bool italic);

// The colour a hooked dialog draws this control's text in.
void SetTextColorProperty(HWND control, COLORREF colour);
COLORREF TextColorProperty(HWND control);

LRESULT CALLBACK HyperlinkParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HyperlinkProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
