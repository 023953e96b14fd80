#include "ui/screen_base.h"

#include "ui/dialog_text.h"
#include "ui/main_window.h"

int32_t NextButtonId = -1;
int32_t BackButtonId = -1;
int32_t CancelButtonId = -1;

ScreenBase::ScreenBase(MainWindow& owner, int32_t dialogId, const char* screenCode)
    : owner_(owner), dialogId_(dialogId), screenCode_(screenCode ? screenCode : "") {}

ScreenBase::~ScreenBase() {
    if (window_) {
        // The dialog must not reach this half-destroyed object while it goes.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void ScreenBase::OnInit(HWND) {}
void ScreenBase::OnNext() {}
void ScreenBase::OnBack() {}
void ScreenBase::OnCancel() {}
void ScreenBase::OnCommand(uint16_t) {}
void ScreenBase::OnEditChange(uint16_t) {}
void ScreenBase::OnTimer(uintptr_t) {}
void ScreenBase::OnShow(bool) {}
void ScreenBase::OnThemeChanged() {}
int ScreenBase::OnDrawItem(const DRAWITEMSTRUCT*) { return 0; }
bool ScreenBase::CanClose() { return true; }

void ScreenBase::SetControlBrush(int32_t id, HBRUSH brush) {
    if (!FindControlBrush(id, nullptr)) {
        controlBrushes_.emplace_back(id, brush);
    }
}

bool ScreenBase::FindControlBrush(int32_t id, HBRUSH* out) const {
    for (const auto& [controlId, brush] : controlBrushes_) {
        if (controlId == id) {
            if (out) {
                *out = brush;
            }
            return true;
        }
    }
    return false;
}

void ScreenBase::CreateDialogWindow() {
    if (window_) {
        return;
    }
    window_ = CreateDialogParamW(owner_.Instance(), MAKEINTRESOURCEW(dialogId_), owner_.Window(), DialogProc,
                                 reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ScreenBase::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* screen = reinterpret_cast<ScreenBase*>(lParam);
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        // Known before CreateDialogParamW returns, so OnInit can use it.
        screen->window_ = dialog;
        TranslateDialog(dialog);
        screen->OnInit(dialog);
        return FALSE;
    }
    auto* screen = reinterpret_cast<ScreenBase*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    if (!screen) {
        return FALSE;
    }
    switch (message) {
        case WM_ERASEBKGND: {
            if (!screen->background_) {
                return FALSE;
            }
            RECT area;
            GetClientRect(dialog, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, screen->background_);
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_SHOWWINDOW:
            screen->OnShow(wParam == TRUE);
            return FALSE;
        case WM_DRAWITEM:
            return lParam ? screen->OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : FALSE;
        case WM_COMMAND:
            return screen->HandleCommand(wParam);
        case WM_TIMER:
            screen->OnTimer(wParam);
            return FALSE;
        case WM_CTLCOLORSTATIC:
            return screen->HandleStaticColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_THEMECHANGED:
            screen->OnThemeChanged();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR ScreenBase::HandleCommand(WPARAM wParam) {
    const uint16_t id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (code == 0) {
        if (id == NextButtonId) {
            OnNext();
        } else if (id == BackButtonId) {
            OnBack();
        } else if (id == CancelButtonId) {
            OnCancel();
        } else {
            OnCommand(id);
        }
    } else if (code == EN_CHANGE) {
        OnEditChange(id);
    }
    return FALSE;
}

// Check boxes and radio buttons ask here too, so registered brushes colour them.
INT_PTR ScreenBase::HandleStaticColor(HDC dc, HWND control) {
    HBRUSH brush = nullptr;
    if (FindControlBrush(GetDlgCtrlID(control), &brush)) {
        return reinterpret_cast<INT_PTR>(brush == kScreenBackgroundBrush ? background_ : brush);
    }
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(background_ ? background_ : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}
