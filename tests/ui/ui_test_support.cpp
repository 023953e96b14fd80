#include "tests/ui/ui_test_support.h"

#include <commctrl.h>
#include <shlobj.h>

#include <initializer_list>

#include "resources/resource_ids.h"
#include "ui/control_font.h"
#include "ui/dialog_text.h"
#include "ui/hyperlink.h"

namespace {

INT_PTR CALLBACK PassiveProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

bool IsChildTemplate(int dialogId) { return dialogId != IDD_MAIN && dialogId != IDD_LICENSE; }

void ShowControls(HWND dialog, std::initializer_list<int> ids, bool visible) {
    for (int id : ids) {
        ShowWindow(GetDlgItem(dialog, id), visible ? SW_SHOW : SW_HIDE);
    }
}

std::wstring ProductFolderIn(int csidl) {
    wchar_t folder[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, folder, csidl, FALSE);
    return std::wstring(folder) + L"\\Zanvo Archiver";
}

void DressTitle(HWND dialog, Look look) {
    CreateScaledFont(GetDlgItem(dialog, IDC_TITLE_SLOGAN), 1.5f, true);
    CreateScaledFont(GetDlgItem(dialog, IDC_TITLE_NEXT), 1.3f, false);
    MakeHyperlink(GetDlgItem(dialog, IDC_TITLE_LICENSE_LINK), RGB(44, 44, 88), true);
    SetDlgItemTextW(dialog, IDC_TITLE_RADIO_PROGRAM_FILES, ProductFolderIn(CSIDL_PROGRAM_FILES).c_str());
    SetDlgItemTextW(dialog, IDC_TITLE_RADIO_APPDATA, ProductFolderIn(CSIDL_LOCAL_APPDATA).c_str());
    const bool administrator = look != Look::TitleUserTwoCopies;
    CheckDlgButton(dialog, administrator ? IDC_TITLE_RADIO_PROGRAM_FILES : IDC_TITLE_RADIO_APPDATA, BST_CHECKED);
    EnableWindow(GetDlgItem(dialog, IDC_TITLE_RADIO_APPDATA), !administrator);
    CheckDlgButton(dialog, IDC_TITLE_CHECK_EXTENSIONS, administrator ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_TITLE_CHECK_ASSOCIATIONS, administrator ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_TITLE_CHECK_STATS, BST_CHECKED);
    for (int id : {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2, IDC_TITLE_RED_LOCAL_INST_0,
                   IDC_TITLE_RED_LOCAL_INST_1, IDC_TITLE_RED_TWO_COPIES_0, IDC_TITLE_RED_TWO_COPIES_1,
                   IDC_TITLE_SETUP_WIZARD_0, IDC_TITLE_SETUP_WIZARD_1}) {
        CreateScaledFont(GetDlgItem(dialog, id), 0.9f, true);
    }
    for (int id : {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2, IDC_TITLE_RED_LOCAL_INST_0,
                   IDC_TITLE_RED_LOCAL_INST_1, IDC_TITLE_RED_TWO_COPIES_0, IDC_TITLE_RED_TWO_COPIES_1}) {
        SetTextColorProperty(GetDlgItem(dialog, id), RGB(255, 0, 0));
    }
    ShowControls(dialog,
                 {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2, IDC_TITLE_RED_LOCAL_INST_0,
                  IDC_TITLE_RED_LOCAL_INST_1, IDC_TITLE_RED_TWO_COPIES_0, IDC_TITLE_RED_TWO_COPIES_1,
                  IDC_TITLE_SETUP_WIZARD_0, IDC_TITLE_SETUP_WIZARD_1},
                 false);
    if (administrator) {
        ShowControls(dialog, {IDC_TITLE_SETUP_WIZARD_0, IDC_TITLE_SETUP_WIZARD_1}, true);
    } else {
        ShowControls(dialog,
                     {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2, IDC_TITLE_RED_LOCAL_INST_0,
                      IDC_TITLE_RED_LOCAL_INST_1},
                     true);
    }
}

void DressUninstall(HWND dialog, Look look) {
    CreateScaledFont(GetDlgItem(dialog, IDC_UNINSTALL_CAPTION), 1.2f, true);
    CheckDlgButton(dialog, IDC_UNINSTALL_LEAVE_MESSAGE, BST_CHECKED);
    if (look == Look::UninstallNotAdministrator) {
        for (int id : {IDC_UNINSTALL_RED_NOT_ADMIN2, IDC_UNINSTALL_RED_NOT_ADMIN}) {
            CreateScaledFont(GetDlgItem(dialog, id), 0.9f, true);
            MakeHyperlink(GetDlgItem(dialog, id), RGB(255, 0, 0), false);
        }
        return;
    }
    ShowControls(dialog, {IDC_UNINSTALL_RED_NOT_ADMIN, IDC_UNINSTALL_RED_NOT_ADMIN2}, false);
    if (look == Look::UninstallDone) {
        ShowControls(dialog,
                     {IDC_UNINSTALL_START, IDC_UNINSTALL_ACTION, IDC_UNINSTALL_CAPTION, IDC_UNINSTALL_LEAVE_MESSAGE},
                     false);
        ShowControls(dialog, {IDC_UNINSTALL_OK, IDC_UNINSTALL_DONE_TEXT}, true);
    }
}

}  // namespace

TemplateDialog::TemplateDialog(int dialogId) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    if (IsChildTemplate(dialogId)) {
        parent_ = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_MAIN), nullptr, PassiveProc, 0);
    }
    window_ = CreateDialogParamW(module, MAKEINTRESOURCEW(dialogId), parent_, PassiveProc, 0);
}

TemplateDialog::~TemplateDialog() {
    DestroyWindow(window_);
    if (parent_) {
        DestroyWindow(parent_);
    }
}

// The dialog manager maps a control's place and size each on its own, so the
// far edge is rounded twice.
RECT DialogUnitsToPixels(HWND dialog, int x, int y, int width, int height) {
    RECT place{x, y, width, height};
    MapDialogRect(dialog, &place);
    return RECT{place.left, place.top, place.left + place.right, place.top + place.bottom};
}

RECT PlaceInDialog(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void DressScreen(HWND dialog, int dialogId, Look look) {
    switch (dialogId) {
        case IDD_TITLE:
            DressTitle(dialog, look);
            break;
        case IDD_LICENSE:
            CreateScaledFont(GetDlgItem(dialog, IDC_LICENSE_HEADER), 1.5f, true);
            SetDlgItemTextW(dialog, IDC_LICENSE_HEADER, LookupText(L"IDC_TEXT_SCREEN_HEADER_LICENSE"));
            SetDlgItemTextW(dialog, IDC_LICENSE_CANCEL, LookupText(L"IDC_BUTTON_CANCEL"));
            SetDlgItemTextW(dialog, IDC_LICENSE_TEXT, LookupText(L"IDC_EDIT_LICENSE"));
            break;
        case IDD_INSTALL_PROGRESS:
            for (int id : {IDC_PROGRESS_BAR1, IDC_PROGRESS_BAR2}) {
                SendDlgItemMessageW(dialog, id, PBM_SETRANGE, 0, MAKELPARAM(0, 1000));
            }
            SendDlgItemMessageW(dialog, IDC_PROGRESS_BAR1, PBM_SETPOS, 400, 0);
            SendDlgItemMessageW(dialog, IDC_PROGRESS_BAR2, PBM_SETPOS, 750, 0);
            break;
        case IDD_FINISH_REBOOT:
            CheckDlgButton(dialog, IDC_FINISH_REBOOT_NOW, BST_CHECKED);
            break;
        case IDD_UNINSTALL:
            DressUninstall(dialog, look);
            break;
        default:
            break;
    }
}

ScreenCalls& RecordedCalls() {
    static ScreenCalls calls;
    return calls;
}

RecordingScreen::RecordingScreen(MainWindow& owner) : Screen(owner, IDD_TITLE, "titl") {
    RecordedCalls().calls.push_back(L"create");
}
RecordingScreen::~RecordingScreen() { ++RecordedCalls().destroyed; }
void RecordingScreen::OnInit(HWND dialog) {
    RecordedCalls().calls.push_back(Window() == dialog ? L"init" : L"init without window");
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, IDC_TITLE_NEXT, text, 64);
    RecordedCalls().nextTextAtInit = text;
}
void RecordingScreen::OnNext() { RecordedCalls().calls.push_back(L"next"); }
void RecordingScreen::OnBack() { RecordedCalls().calls.push_back(L"back"); }
void RecordingScreen::OnCancel() { RecordedCalls().calls.push_back(L"cancel"); }
void RecordingScreen::OnCommand(uint16_t id) { RecordedCalls().calls.push_back(L"command " + std::to_wstring(id)); }
void RecordingScreen::OnEditChange(uint16_t id) { RecordedCalls().calls.push_back(L"edit " + std::to_wstring(id)); }
void RecordingScreen::OnTimer(uintptr_t id) { RecordedCalls().calls.push_back(L"timer " + std::to_wstring(id)); }
bool RecordingScreen::CanClose() {
    RecordedCalls().calls.push_back(L"canclose");
    return RecordedCalls().canClose;
}

RecordingFinishScreen::RecordingFinishScreen(MainWindow& owner) : Screen(owner, IDD_FINISH_REBOOT, "fnrb") {
    RecordedCalls().calls.push_back(L"create finish");
}
RecordingFinishScreen::~RecordingFinishScreen() { ++RecordedCalls().destroyed; }

void RecordingMainWindow::OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char* detail) {
    aborts.push_back(std::string("forced=") + (forced ? "1" : "0") + " confirm=" + (confirmEnabled ? "1" : "0") +
                     " code=" + (screenCode ? screenCode : "(null)") + " detail=" + detail);
}
