#pragma once
// One screen of the wizard: a modeless child dialog of the main window made
// from a dialog template, its background and the brushes of single controls.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class MainWindow;

// The buttons that reach OnNext, OnBack and OnCancel instead of OnCommand;
// -1 (no button) until a screen sets them. No 16-bit control id equals -1.
extern int32_t NextButtonId;
extern int32_t BackButtonId;
extern int32_t CancelButtonId;

// A control brush meaning: paint the control with the screen's background
// and leave its text background mode alone.
inline const HBRUSH kScreenBackgroundBrush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(-1));

class ScreenBase {
public:
    ScreenBase(MainWindow& owner, int32_t dialogId, const char* screenCode);
    virtual ~ScreenBase();
    ScreenBase(const ScreenBase&) = delete;
    ScreenBase& operator=(const ScreenBase&) = delete;

    // Called by the screen's dialog procedure; each does nothing by default.
    virtual void OnInit(HWND dialog);
    virtual void OnNext();
    virtual void OnBack();
    virtual void OnCancel();
    virtual void OnCommand(uint16_t id);
    virtual void OnEditChange(uint16_t id);
    virtual void OnTimer(uintptr_t id);
    virtual void OnShow(bool visible);
    virtual void OnThemeChanged();
    virtual int OnDrawItem(const DRAWITEMSTRUCT* item);
    // Asked after the user confirmed quitting; false keeps the program
    // running and leaves the quit to the screen.
    virtual bool CanClose();

    // The first brush registered for an id wins.
    void SetControlBrush(int32_t id, HBRUSH brush);
    bool FindControlBrush(int32_t id, HBRUSH* out) const;

    MainWindow& Owner() const { return owner_; }
    int32_t DialogId() const { return dialogId_; }
    HWND Window() const { return window_; }
    const std::string& ScreenCode() const { return screenCode_; }
    HBRUSH Background() const { return background_; }
    // Screens create their background brush in OnInit; brushes are never deleted.
    void SetBackground(HBRUSH brush) { background_ = brush; }

    // Creates the screen's dialog inside the owner's window; OnInit has run
    // when it returns. Nothing happens when the dialog exists already.
    void CreateDialogWindow();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleCommand(WPARAM wParam);
    INT_PTR HandleStaticColor(HDC dc, HWND control);

    MainWindow& owner_;
    int32_t dialogId_;
    HWND window_ = nullptr;
    std::string screenCode_;
    HBRUSH background_ = nullptr;
    std::vector<std::pair<int32_t, HBRUSH>> controlBrushes_;
};

// Every screen derives from Screen<ItsOwnType>, which adds nothing of its own.
template <typename T>
class Screen : public ScreenBase {
public:
    using ScreenBase::ScreenBase;
};
