#include "ui/hyperlink.h"

#include "ui/control_font.h"

namespace {

constexpr wchar_t kOriginalProc[] = L"_Hyperlink_Original_Proc_";
constexpr wchar_t kColor[] = L"_Hyperlink_Color_";

WNDPROC OriginalProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProc)); }

// Installs proc unless it is installed already: hooking a window twice would
// make the hook its own previous procedure and call itself without end.
void Subclass(HWND window, WNDPROC proc) {
    const LONG_PTR current = GetWindowLongPtrW(window, GWLP_WNDPROC);
    if (current == reinterpret_cast<LONG_PTR>(proc)) {
        return;
    }
    SetPropW(window, kOriginalProc, reinterpret_cast<HANDLE>(current));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

void Unsubclass(HWND window, WNDPROC previous) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropW(window, kOriginalProc);
}

}  // namespace

void SetTextColorProperty(HWND control, COLORREF colour) {
    SetPropW(control, kColor, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour)));
}

COLORREF TextColorProperty(HWND control) {
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(control, kColor)));
}

BOOL MakeHyperlink(HWND control, COLORREF colour, bool italic) {
    if (HWND parent = GetParent(control)) {
        Subclass(parent, HyperlinkParentProc);
    }
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);
    Subclass(control, HyperlinkProc);
    LOGFONTW font = ControlFont(control);
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfUnderline = FALSE;
    SetControlFont(control, font);
    SetTextColorProperty(control, colour);
    return TRUE;
}

LRESULT CALLBACK HyperlinkParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = OriginalProc(window);
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            // The dialog picks the brush; the hook only adds the text colour.
            const COLORREF colour = TextColorProperty(reinterpret_cast<HWND>(lParam));
            const LRESULT brush = CallWindowProcW(previous, window, message, wParam, lParam);
            SetTextColor(reinterpret_cast<HDC>(wParam), colour);
            return brush;
        }
        case WM_DESTROY:
            Unsubclass(window, previous);
            break;
        default:
            break;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK HyperlinkProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = OriginalProc(control);
    switch (message) {
        case WM_SETCURSOR: {
            HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
            SetCursor(hand ? hand : LoadCursorW(nullptr, IDC_ARROW));
            return TRUE;
        }
        case WM_DESTROY:
            Unsubclass(control, previous);
            RemovePropW(control, kColor);
            break;
        default:
            break;
    }
    return CallWindowProcW(previous, control, message, wParam, lParam);
}
