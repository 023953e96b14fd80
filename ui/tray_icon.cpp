#include "ui/tray_icon.h"

#include <shellapi.h>

#include "resources/resource_ids.h"
#include "ui/window_messages.h"

namespace {

// The 32-bit program hands the shell the record of Vista and later, 956 bytes.
static_assert(sizeof(void*) != 4 || sizeof(NOTIFYICONDATAW) == 956, "notification icon record of Vista");

constexpr wchar_t kWindowClass[] = L"TA_TrayNotifyWindow";
constexpr UINT kIconId = 1;

NOTIFYICONDATAW IconData(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kIconId;
    return data;
}

}  // namespace

TrayIcon& TrayIcon::Instance() {
    static TrayIcon icon;
    return icon;
}

TrayIcon::~TrayIcon() {
    if (window_) {
        RemoveIcon();
        DestroyWindow(window_);
    }
}

void TrayIcon::CreateNotifyWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = TrayWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST, kWindowClass, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TrayIcon::AddIcon(HWND mainWindow) {
    if (!window_) {
        CreateNotifyWindow();
    }
    RemoveIcon();
    mainWindow_ = mainWindow;
    NOTIFYICONDATAW data = IconData(window_);
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PRODUCT), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    Shell_NotifyIconW(NIM_ADD, &data);
}

void TrayIcon::RemoveIcon() {
    NOTIFYICONDATAW data = IconData(window_);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

LRESULT CALLBACK TrayIcon::TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The first press restores the wizard, so a double click needs no handling.
    if (message == WM_TRAY_NOTIFY && (lParam == WM_LBUTTONDOWN || lParam == WM_RBUTTONDOWN)) {
        const auto* tray = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (tray && tray->mainWindow_) {
            SendMessageW(tray->mainWindow_, WM_TRAY_NOTIFY, wParam, lParam);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
