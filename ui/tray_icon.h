#pragma once
// The notification-area icon that stands for the wizard while it works in
// the background. A press of either mouse button on it brings the wizard back.
#include <windows.h>

class TrayIcon {
public:
    // The process-wide icon; its hidden window is made on the first AddIcon
    // and destroyed, with the icon, when the process ends.
    static TrayIcon& Instance();
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the icon; its presses go to mainWindow as WM_TRAY_NOTIFY.
    void AddIcon(HWND mainWindow);
    // Harmless when no icon is shown.
    void RemoveIcon();
    // The hidden window that receives the icon's messages (null before AddIcon).
    HWND Window() const { return window_; }

private:
    TrayIcon() = default;
    void CreateNotifyWindow();
    static LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HWND mainWindow_ = nullptr;
};
