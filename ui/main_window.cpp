#include "ui/main_window.h"

#include <commctrl.h>

#include "common/text_conversion.h"
#include "resources/resource_ids.h"
#include "ui/dialog_text.h"
#include "ui/screen_base.h"
#include "ui/screen_registerer.h"
#include "ui/tray_icon.h"
#include "ui/window_messages.h"

namespace {

BOOL CALLBACK CheckDefaultButton(HWND window, LPARAM found) {
    // EnumChildWindows visits every descendant, each parent before its children.
    if (!IsWindowEnabled(window) || !IsWindowVisible(window)) {
        return TRUE;
    }
    if ((GetWindowLongPtrW(window, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON) {
        *reinterpret_cast<int*>(found) = GetDlgCtrlID(window);
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int FindDefaultButton(HWND root) {
    int found = 0;
    EnumChildWindows(root, CheckDefaultButton, reinterpret_cast<LPARAM>(&found));
    return found;
}

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
    // The screens hold progress bars, which live in the common controls.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The object travels with the creation, so that WM_INITDIALOG finds it.
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PRODUCT));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

MainWindow::~MainWindow() {
    // The current screen stays: the process ends right after, and a running
    // uninstall must not be waited for by the screen's destructor.
    static_cast<void>(currentScreen_.release());
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void MainWindow::OnCommand(uint16_t) {}
void MainWindow::OnEditChange(uint16_t) {}
void MainWindow::OnTimer(uintptr_t) {}
void MainWindow::OnClose() {}
void MainWindow::OnAbort(bool, bool, const char*, const char*) {}

void MainWindow::RunMessageLoop() {
    // The wizard comes to the front at start and then behaves like any window.
    ShowWindow(window_, SW_SHOWNORMAL);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    SetTimer(window_, TIMER_TOPMOST, TIMER_TOPMOST_PERIOD_MS, nullptr);
    bool topmost = true;
    MSG message;
    while (!quit_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateWizardKey(message)) {
            continue;
        }
        if (message.message == WM_TIMER && topmost) {
            topmost = false;
            // Only the z-order changes: a wizard already hidden to the tray stays hidden.
            SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
            KillTimer(window_, TIMER_TOPMOST);
        }
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    ShowWindow(window_, SW_HIDE);
}

// Enter presses the current screen's default button wherever the focus is;
// Escape is the close box.
bool MainWindow::TranslateWizardKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (message.wParam == VK_RETURN) {
        const int id = FindDefaultButton(window_);
        if (id == 0 || !currentScreen_) {
            return false;
        }
        PostMessageW(currentScreen_->Window(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    } else if (message.wParam == VK_ESCAPE) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
    } else {
        return false;
    }
    DispatchMessageW(&message);
    return true;
}

void MainWindow::ShowScreen(const ScreenRegistererBase& registerer) {
    currentScreen_.reset();
    currentScreen_ = registerer.Create(*this);
    if (currentScreen_) {
        currentScreen_->CreateDialogWindow();
    }
}

void MainWindow::PostSwitchScreen(const ScreenRegistererBase& registerer) const {
    PostMessageW(window_, WM_SWITCH_SCREEN, reinterpret_cast<WPARAM>(&registerer), 0);
}

void MainWindow::Abort(bool forced) {
    if (trayMode_) {
        HideToTray();
        return;
    }
    if (forced) {
        quit_ = true;
        return;
    }
    const bool confirmed = !confirmAbort_ || MessageBoxW(window_, LookupText(L"ABORT_CONFIRMATION"),
                                                         LookupText(L"APPLICATION_NAME"),
                                                         MB_YESNO | MB_ICONWARNING) == IDYES;
    if (!confirmed) {
        return;
    }
    const std::string detail = WideToAnsi(cancelDetail_);
    OnAbort(false, confirmAbort_, currentScreen_ ? currentScreen_->ScreenCode().c_str() : nullptr, detail.c_str());
    // A screen that refuses keeps the program running and handles the quit itself.
    if (!currentScreen_ || currentScreen_->CanClose()) {
        quit_ = true;
    }
}

void MainWindow::HideToTray() {
    TrayIcon::Instance().AddIcon(window_);
    ShowWindow(window_, SW_HIDE);
}

void MainWindow::RestoreFromTray() {
    TrayIcon::Instance().RemoveIcon();
    ShowWindow(window_, SW_SHOWNORMAL);
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<MainWindow*>(lParam);
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        self->window_ = dialog;
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam) : FALSE;
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowTextW(window_, LookupText(L"APPLICATION_NAME"));
            TranslateDialog(window_);
            return FALSE;
        case WM_CLOSE:
            if (trayMode_) {
                HideToTray();
            } else {
                OnClose();
                Abort(false);
            }
            return TRUE;  // the dialog's default would post a Cancel command as well
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED && trayMode_) {
                HideToTray();
            }
            return FALSE;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0) {
                OnCommand(LOWORD(wParam));
            } else if (HIWORD(wParam) == EN_CHANGE) {
                OnEditChange(LOWORD(wParam));
            }
            return FALSE;
        case WM_TIMER:
            OnTimer(wParam);
            return FALSE;
        case WM_TRAY_NOTIFY:
            RestoreFromTray();
            return FALSE;
        case WM_SWITCH_SCREEN:
            ShowScreen(*reinterpret_cast<const ScreenRegistererBase*>(wParam));
            return FALSE;
        default:
            return FALSE;
    }
}
