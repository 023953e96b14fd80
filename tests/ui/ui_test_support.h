#pragma once
// Helpers of the wizard's framework tests: dialogs made from the real
// templates, the looks the screens give them, and screens that record what
// the framework calls.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/screen_base.h"

// A dialog made from a template with a procedure that does nothing, so its
// texts stay the keys of the template. Child templates get a main dialog as
// parent. Both go with the object.
class TemplateDialog {
public:
    explicit TemplateDialog(int dialogId);
    ~TemplateDialog();
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;
    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }

private:
    HWND parent_ = nullptr;
    HWND window_ = nullptr;
};

// Dialog units to pixels of the dialog's client area, and a control's place there.
RECT DialogUnitsToPixels(HWND dialog, int x, int y, int width, int height);
RECT PlaceInDialog(HWND dialog, HWND control);

// Which of the screens' states to dress a template in.
enum class Look {
    Plain,
    TitleFreshAdministrator,  // the introduction visible, no red notice
    TitleUserTwoCopies,       // both red notices of a user with two installations
    UninstallNotAdministrator,
    UninstallDone,
};
// Gives the template's controls the fonts, colours and visibility the screen
// gives them in that state (translation has run already).
void DressScreen(HWND dialog, int dialogId, Look look);

// A screen that records the framework's calls.
struct ScreenCalls {
    std::vector<std::wstring> calls;
    int destroyed = 0;
    bool canClose = true;
    std::wstring nextTextAtInit;  // the Next button's text when OnInit ran
};
ScreenCalls& RecordedCalls();

class RecordingScreen : public Screen<RecordingScreen> {
public:
    explicit RecordingScreen(MainWindow& owner);
    ~RecordingScreen() override;
    void OnInit(HWND dialog) override;
    void OnNext() override;
    void OnBack() override;
    void OnCancel() override;
    void OnCommand(uint16_t id) override;
    void OnEditChange(uint16_t id) override;
    void OnTimer(uintptr_t id) override;
    bool CanClose() override;
};

// The same on the finish screen's template, with its own code.
class RecordingFinishScreen : public Screen<RecordingFinishScreen> {
public:
    explicit RecordingFinishScreen(MainWindow& owner);
    ~RecordingFinishScreen() override;
};

// A main window that records OnAbort.
class RecordingMainWindow : public MainWindow {
public:
    RecordingMainWindow() : MainWindow(GetModuleHandleW(nullptr)) {}
    void OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char* detail) override;
    std::vector<std::string> aborts;
};
