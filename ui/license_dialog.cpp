#include "ui/license_dialog.h"

#include "resources/resource_ids.h"
#include "ui/control_font.h"
#include "ui/dialog_text.h"

namespace {

WNDPROC gEditProc = nullptr;

// The licence can be selected and copied, never typed into.
LRESULT CALLBACK ReadOnlyEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR || message == WM_RBUTTONDOWN) {
        return 0;
    }
    return CallWindowProcW(gEditProc, edit, message, wParam, lParam);
}

void SetLocalizedText(HWND dialog, int id, const wchar_t* key) {
    const wchar_t* text = LookupText(key);
    SetDlgItemTextW(dialog, id, text ? text : L"");
}

void InitLicenseDialog(HWND dialog) {
    CreateScaledFont(GetDlgItem(dialog, IDC_LICENSE_HEADER), 1.5f, true);
    SetLocalizedText(dialog, IDC_LICENSE_HEADER, L"IDC_TEXT_SCREEN_HEADER_LICENSE");
    SetLocalizedText(dialog, IDC_LICENSE_CANCEL, L"IDC_BUTTON_CANCEL");
    const HWND edit = GetDlgItem(dialog, IDC_LICENSE_TEXT);
    const wchar_t* license = LookupText(L"IDC_EDIT_LICENSE");
    const LRESULT end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, end, end);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(license ? license : L""));
    gEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReadOnlyEditProc)));
}

INT_PTR CALLBACK LicenseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitLicenseDialog(dialog);
            return TRUE;
        case WM_COMMAND:
            if (wParam == IDOK || wParam == IDCANCEL || wParam == IDC_LICENSE_CANCEL) {
                EndDialog(dialog, 0);
            }
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lParam);
            if (GetDlgCtrlID(control) != IDC_LICENSE_HEADER) {
                return FALSE;
            }
            const auto dc = reinterpret_cast<HDC>(wParam);
            RECT area;
            GetClientRect(control, &area);
            FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            SetBkColor(dc, RGB(255, 255, 255));
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        }
        default:
            return FALSE;
    }
}

}  // namespace

void ShowLicenseDialog(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LICENSE), owner, LicenseDialogProc, 0);
}
