#pragma once
// Drives the wizard the way a user would, from another process of the same
// Wine prefix (or from the wizard's own thread): finds windows and controls
// by id, clicks them, presses keys, reads texts back, answers message boxes
// and takes screenshots of the X display. Every wait also dispatches the
// calling thread's messages, so windows of the caller keep painting.
#include <windows.h>

#include <functional>
#include <string>

// A started program; ended by force if it is still running when the object goes.
class DrivenProcess {
public:
    explicit DrivenProcess(const std::wstring& commandLine);
    ~DrivenProcess();
    DrivenProcess(const DrivenProcess&) = delete;
    DrivenProcess& operator=(const DrivenProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;
    // True when the program ended within the time; its exit code goes to code.
    bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr) const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Waits for the condition, checking every 20 ms; true when it came true in time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// A top-level window of the process (0: of any process) with that class
// (null: any) and title (null: any), visible unless hidden ones are asked
// for; null after the timeout.
HWND WaitForTopWindow(DWORD processId, const wchar_t* className, const wchar_t* title, DWORD timeoutMs,
                      bool hiddenToo = false);
// The first descendant of root with that control id, or null.
HWND FindControl(HWND root, int id);
HWND WaitForControl(HWND root, int id, DWORD timeoutMs);

std::wstring ReadText(HWND window);
std::wstring ClassOf(HWND window);
// The window that has the keyboard focus in window's thread.
HWND FocusOf(HWND window);

// BM_CLICK: what a mouse click on a button does, without moving the mouse.
void ClickButton(HWND button);
// A press and release of the left button in the middle of the control.
void ClickControl(HWND control);
// Key presses as the target's thread receives them from the keyboard, so
// they pass through its message loop.
void PressKey(HWND target, UINT virtualKey);
void TypeText(HWND target, const std::wstring& text);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};
// A message box of the process (a "#32770" window with the box's text
// control), or a box with a null window after the timeout.
MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Clicks the box's button with that id (IDYES, IDNO, IDOK, ...); true when
// the box then went away.
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId);

// Takes a picture of the display (cropped to window when it is given, and to
// its owner as well when it has one) into the build's screenshot folder as
// NAME.png; returns its Windows path, or an empty text when no picture came.
// An owned window that lies wholly inside its owner is moved to stick out on
// the right first: Wine on Xvfb does not paint it otherwise.
std::wstring TakeScreenshot(const std::wstring& name, HWND window = nullptr);
