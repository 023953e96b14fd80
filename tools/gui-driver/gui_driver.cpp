#include "tools/gui-driver/gui_driver.h"

#include <initializer_list>
#include <vector>

#include "common/text_conversion.h"

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr DWORD kSendTimeoutMs = 5000;

void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct TopWindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    bool hiddenToo = false;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<TopWindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId && processId != search.processId) || (!search.hiddenToo && !IsWindowVisible(window))) {
        return TRUE;
    }
    if (search.className && ClassOf(window) != search.className) {
        return TRUE;
    }
    if (search.title && ReadText(window) != search.title) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

struct ControlSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<ControlSearch*>(lParam);
    if (GetDlgCtrlID(window) != search.id) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

bool StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION& info) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info) != FALSE;
}

// Wine starts a Unix program but gives no handle to wait on.
bool LaunchUnixProgram(const std::wstring& commandLine) {
    PROCESS_INFORMATION info{};
    if (!StartProcess(commandLine, info)) {
        return false;
    }
    for (HANDLE handle : {info.hThread, info.hProcess}) {
        if (handle) {
            CloseHandle(handle);
        }
    }
    return true;
}

// Wine on Xvfb leaves a window black while it lies wholly inside its owner
// (a message box over the wizard, say); once it sticks out it paints. Gives
// the rectangle to picture: the window together with its owner.
RECT UncoverFromOwner(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    HWND owner = GetWindow(window, GW_OWNER);
    RECT ownerArea{};
    if (!owner || !GetWindowRect(owner, &ownerArea)) {
        return area;
    }
    if (area.left >= ownerArea.left && area.right <= ownerArea.right && area.top >= ownerArea.top &&
        area.bottom <= ownerArea.bottom) {
        const int shift = ownerArea.right + 16 - area.right;
        SetWindowPos(window, nullptr, area.left + shift, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        OffsetRect(&area, shift, 0);
    }
    UnionRect(&area, &area, &ownerArea);
    return area;
}

}  // namespace

DrivenProcess::DrivenProcess(const std::wstring& commandLine) {
    PROCESS_INFORMATION info{};
    if (StartProcess(commandLine, info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

DrivenProcess::~DrivenProcess() {
    if (!process_) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kSendTimeoutMs);
    }
    CloseHandle(process_);
}

bool DrivenProcess::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool DrivenProcess::WaitForExit(DWORD timeoutMs, DWORD* code) const {
    if (!process_ || !WaitUntil([this] { return !Running(); }, timeoutMs)) {
        return false;
    }
    if (code) {
        GetExitCodeProcess(process_, code);
    }
    return true;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPendingMessages();
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20);
    }
}

HWND WaitForTopWindow(DWORD processId, const wchar_t* className, const wchar_t* title, DWORD timeoutMs,
                      bool hiddenToo) {
    TopWindowSearch search{processId, className, title, hiddenToo};
    WaitUntil(
        [&search] {
            EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

HWND FindControl(HWND root, int id) {
    ControlSearch search{id};
    EnumChildWindows(root, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForControl(HWND root, int id, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindControl(root, id)) != nullptr; }, timeoutMs);
    return found;
}

std::wstring ReadText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) {
        return std::wstring();
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Posted, not sent: a click that opens a modal window must not hold up the driver.
void ClickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void ClickControl(HWND control) {
    RECT area;
    GetClientRect(control, &area);
    const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(control, WM_LBUTTONUP, 0, middle);
}

void PressKey(HWND target, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageW(target, WM_KEYUP, virtualKey, scan | 1 | (1 << 30) | (static_cast<LPARAM>(1) << 31));
}

void TypeText(HWND target, const std::wstring& text) {
    for (wchar_t c : text) {
        PostMessageW(target, WM_CHAR, c, 1);
    }
}

MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    MessageBoxInfo box;
    WaitUntil(
        [&] {
            TopWindowSearch search{processId, L"#32770", nullptr};
            EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
            HWND text = search.found ? GetDlgItem(search.found, kMessageBoxTextId) : nullptr;
            if (!text) {
                return false;
            }
            box.window = search.found;
            box.caption = ReadText(search.found);
            box.text = ReadText(text);
            return true;
        },
        timeoutMs);
    return box;
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId) {
    HWND button = box.window ? GetDlgItem(box.window, buttonId) : nullptr;
    if (!button) {
        return false;
    }
    ClickButton(button);
    return WaitUntil([&box] { return !IsWindow(box.window); }, kSendTimeoutMs);
}

std::wstring TakeScreenshot(const std::wstring& name, HWND window) {
    // The build tree's Unix paths; Wine shows the Unix root as drive Z.
    const std::wstring unixFile = Utf8ToWide(ZANVO_SCREENSHOT_DIR) + L"/" + name + L".png";
    std::wstring file = L"Z:" + unixFile;
    for (wchar_t& c : file) {
        c = c == L'/' ? L'\\' : c;
    }
    DeleteFileW(file.c_str());

    std::wstring command = L"/bin/sh " + Utf8ToWide(ZANVO_SCREENSHOT_SCRIPT) + L" " + unixFile;
    if (window) {
        const RECT area = UncoverFromOwner(window);
        command += L" " + std::to_wstring(area.left) + L" " + std::to_wstring(area.top) + L" " +
                   std::to_wstring(area.right - area.left) + L" " + std::to_wstring(area.bottom - area.top);
    }
    // Let the windows finish painting before the picture is taken.
    WaitUntil([] { return false; }, 300);
    // The script moves the finished picture into place, so its appearance is the signal.
    if (!LaunchUnixProgram(command) ||
        !WaitUntil([&file] { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000)) {
        return std::wstring();
    }
    return file;
}
