// gui-driver STEP...: drives a running wizard from a shell script, one step
// after another, all in one Wine process start.
//
//   window TITLE   wait for a visible top-level window with that title; the
//                  steps after it work on that window
//   click ID       click the button with that control id (BM_CLICK)
//   key KEY        press RETURN, ESCAPE, TAB, SPACE or a virtual-key number at
//                  the focused control
//   type TEXT      type the text into the focused control
//   text ID        print the control's text
//   answer BUTTON  wait for a message box, print its text, press YES, NO, OK
//                  or CANCEL
//   shot NAME      picture of the window as NAME.png in the build's screenshots
//   gone           wait until the window is gone
//
// Exit code 0 when every step succeeded; at the first failing step it says
// why on standard error and ends with 1; 2 for bad usage.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "common/text_conversion.h"
#include "tools/gui-driver/gui_driver.h"

namespace {

constexpr DWORD kWaitMs = 10000;

void Print(const std::wstring& text) {
    const std::string line = WideToUtf8(text) + "\n";
    fwrite(line.data(), 1, line.size(), stdout);
    fflush(stdout);
}

int Fail(const std::wstring& step, const std::wstring& why) {
    const std::string line = "gui-driver: " + WideToUtf8(step) + ": " + WideToUtf8(why) + "\n";
    fwrite(line.data(), 1, line.size(), stderr);
    return 1;
}

bool ParseNumber(const std::wstring& text, int& value) {
    wchar_t* end = nullptr;
    const long number = wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0') {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

const std::map<std::wstring, int> kKeys = {
    {L"RETURN", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}, {L"TAB", VK_TAB}, {L"SPACE", VK_SPACE}};
const std::map<std::wstring, int> kAnswers = {{L"YES", IDYES}, {L"NO", IDNO}, {L"OK", IDOK}, {L"CANCEL", IDCANCEL}};

HWND KeyTarget(HWND window) {
    HWND focus = FocusOf(window);
    return focus ? focus : window;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fputs("usage: gui-driver STEP [ARGUMENT] [STEP [ARGUMENT]]...\n", stderr);
        return 2;
    }
    HWND window = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::wstring step = argv[i];
        std::wstring argument;
        if (step != L"gone") {
            if (++i == argc) {
                fputs("gui-driver: a step lacks its argument\n", stderr);
                return 2;
            }
            argument = argv[i];
        }
        const std::wstring name = argument.empty() ? step : step + L" " + argument;
        int number = 0;
        if (step == L"window") {
            window = WaitForTopWindow(0, nullptr, argument.c_str(), kWaitMs);
            if (!window) {
                return Fail(name, L"no such window");
            }
            continue;
        }
        if (!window) {
            return Fail(name, L"no window yet (the first step is window TITLE)");
        }
        if (step == L"click" || step == L"text") {
            HWND control = ParseNumber(argument, number) ? WaitForControl(window, number, kWaitMs) : nullptr;
            if (!control) {
                return Fail(name, L"no such control");
            }
            if (step == L"click") {
                ClickButton(control);
            } else {
                Print(ReadText(control));
            }
        } else if (step == L"key") {
            const auto key = kKeys.find(argument);
            if (key == kKeys.end() && !ParseNumber(argument, number)) {
                return Fail(name, L"unknown key");
            }
            PressKey(KeyTarget(window), key == kKeys.end() ? number : key->second);
        } else if (step == L"type") {
            TypeText(KeyTarget(window), argument);
        } else if (step == L"answer") {
            const auto answer = kAnswers.find(argument);
            if (answer == kAnswers.end()) {
                return Fail(name, L"unknown button");
            }
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            const MessageBoxInfo box = WaitForMessageBox(processId, kWaitMs);
            if (!box.window) {
                return Fail(name, L"no message box");
            }
            Print(box.text);
            if (!AnswerMessageBox(box, answer->second)) {
                return Fail(name, L"the box has no such button, or stayed");
            }
        } else if (step == L"shot") {
            if (TakeScreenshot(argument, window).empty()) {
                return Fail(name, L"no picture came");
            }
        } else if (step == L"gone") {
            if (!WaitUntil([window] { return !IsWindow(window); }, kWaitMs)) {
                return Fail(name, L"the window is still there");
            }
        } else {
            return Fail(name, L"unknown step");
        }
    }
    return 0;
}
