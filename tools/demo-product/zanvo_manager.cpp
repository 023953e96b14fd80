// ZanvoManager.exe of the demo product: a small window standing in for the
// archiver. Started with "/welcome" it greets the user after installation. It
// closes on WM_CLOSE, as the installer's process stop asks it to.
#include <windows.h>

#include "demo_log.h"

namespace {

bool gWelcome = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT area;
            GetClientRect(window, &area);
            const wchar_t* text = gWelcome ? L"Welcome to Zanvo Archiver!\nThe installation is complete."
                                           : L"Zanvo Archiver (demo)";
            DrawTextW(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const std::wstring arguments = CommandLineArguments();
    gWelcome = arguments.find(L"/welcome") != std::wstring::npos;
    AppendDemoLog(nullptr, L"ZanvoManager.log", L"started: " + arguments);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"ZanvoManagerDemo";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"ZanvoManagerDemo", gWelcome ? L"Zanvo Archiver - Welcome" : L"Zanvo Archiver",
                                WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 420, 220, nullptr, nullptr,
                                instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    AppendDemoLog(nullptr, L"ZanvoManager.log", L"closed");
    return 0;
}
