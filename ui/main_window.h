#pragma once
// The wizard window: one top-level dialog whose client area shows exactly one
// screen at a time, its message loop and the quit procedure.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class ScreenBase;
class ScreenRegistererBase;

class MainWindow {
public:
    // Creates the main dialog (not yet shown) and gives it the program icon.
    explicit MainWindow(HINSTANCE instance);
    virtual ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    virtual void OnCommand(uint16_t id);
    virtual void OnEditChange(uint16_t id);
    virtual void OnTimer(uintptr_t id);
    virtual void OnClose();
    // A quit the user asked for (and confirmed, when confirmation is on).
    virtual void OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char* detail);

    // Shows the window, runs until the quit flag is set or WM_QUIT arrives,
    // then hides the window.
    void RunMessageLoop();
    // Replaces the current screen by a new one from the registerer.
    void ShowScreen(const ScreenRegistererBase& registerer);
    // Asks the main window to show that screen once the current message is done.
    void PostSwitchScreen(const ScreenRegistererBase& registerer) const;
    // The quit procedure; forced skips the question and the report.
    void Abort(bool forced);
    void HideToTray();
    void RestoreFromTray();

    HINSTANCE Instance() const { return instance_; }
    HWND Window() const { return window_; }
    ScreenBase* CurrentScreen() const { return currentScreen_.get(); }
    bool QuitRequested() const { return quit_; }

    // Detail text of the cancel report.
    void SetCancelDetail(const std::wstring& detail) { cancelDetail_ = detail; }
    // Once off, quitting neither asks nor reports.
    void DisableAbortConfirmation() { confirmAbort_ = false; }
    // While on, closing or minimising hides the wizard to the tray.
    void SetTrayMode(bool on) { trayMode_ = on; }
    bool InTrayMode() const { return trayMode_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam);
    bool TranslateWizardKey(const MSG& message);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::unique_ptr<ScreenBase> currentScreen_;
    std::wstring cancelDetail_;
    bool quit_ = false;
    bool confirmAbort_ = true;
    bool trayMode_ = false;
};

// The control id of the first enabled, visible window below root whose style
// has BS_DEFPUSHBUTTON in its low four bits (whatever its class), or 0.
int FindDefaultButton(HWND root);
