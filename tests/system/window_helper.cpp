// window_helper close|ignore EVENT: shows one top-level window, then signals
// the named event. "close" ends with exit code 7 when the window is asked to
// close; "ignore" refuses WM_CLOSE. Either gives up after a minute, so a
// failed test leaves nothing behind.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr int kClosedExitCode = 7;
constexpr int kGaveUpExitCode = 99;
constexpr UINT_PTR kGiveUpTimer = 1;
bool gCloses = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (gCloses) {
                PostQuitMessage(kClosedExitCode);
            }
            return 0;
        case WM_TIMER:
            PostQuitMessage(kGaveUpExitCode);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count < 3) {
        return 2;
    }
    gCloses = std::wstring(argv[1]) == L"close";
    const std::wstring eventName = argv[2];
    LocalFree(argv);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ZanvoWindowHelper";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"window helper", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                  100, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 3;
    }
    SetTimer(window, kGiveUpTimer, 60000, nullptr);
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName.c_str())) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
