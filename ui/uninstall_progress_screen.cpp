#include "ui/uninstall_progress_screen.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <initializer_list>

#include "engine/status_line.h"
#include "files/folder_operations.h"
#include "files/own_paths.h"
#include "resources/resource_ids.h"
#include "system/elevation.h"
#include "system/platform_facts.h"
#include "system/service_url.h"
#include "ui/control_font.h"
#include "ui/hyperlink.h"
#include "ui/main_window.h"
#include "ui/window_messages.h"

namespace {

void ShowControls(HWND dialog, std::initializer_list<int> ids, bool visible) {
    for (int id : ids) {
        ShowWindow(GetDlgItem(dialog, id), visible ? SW_SHOW : SW_HIDE);
    }
}

}  // namespace

std::wstring UninstallScriptArgument(const wchar_t* commandLine) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    std::wstring script;
    if (arguments && count >= 2) {
        script = arguments[1];
    }
    LocalFree(arguments);
    return script;
}

bool CommandLineSkipsQuestion(const wchar_t* commandLine) { return StrStrIW(commandLine, L"/noask") != nullptr; }

UninstallProgressScreen::UninstallProgressScreen(MainWindow& owner) : Screen(owner, IDD_UNINSTALL, "") {}

void UninstallProgressScreen::OnInit(HWND dialog) {
    SetBackground(CreateSolidBrush(RGB(243, 243, 245)));
    CreateScaledFont(GetDlgItem(dialog, IDC_UNINSTALL_CAPTION), 1.2f, true);
    CheckDlgButton(dialog, IDC_UNINSTALL_LEAVE_MESSAGE, leaveMessage_ == 1 ? BST_CHECKED : BST_UNCHECKED);
    if (IsUserAdmin()) {
        ShowControls(dialog, {IDC_UNINSTALL_RED_NOT_ADMIN2, IDC_UNINSTALL_RED_NOT_ADMIN}, false);
    } else {
        for (int id : {IDC_UNINSTALL_RED_NOT_ADMIN2, IDC_UNINSTALL_RED_NOT_ADMIN}) {
            CreateScaledFont(GetDlgItem(dialog, id), 0.9f, true);
            MakeHyperlink(GetDlgItem(dialog, id), RGB(255, 0, 0), false);
        }
    }
    if (CommandLineSkipsQuestion(GetCommandLineW())) {
        PostMessageW(dialog, WM_COMMAND, IDC_UNINSTALL_START, 0);
    }
}

void UninstallProgressScreen::OnCommand(uint16_t id) {
    switch (id) {
        case IDC_UNINSTALL_LEAVE_MESSAGE:
            leaveMessage_ = IsDlgButtonChecked(Window(), IDC_UNINSTALL_LEAVE_MESSAGE) == BST_CHECKED ? 1 : 0;
            break;
        case IDC_UNINSTALL_START:
            StartUninstall();
            break;
        case IDC_UNINSTALL_OK:
            Owner().Abort(true);
            break;
        default:
            break;
    }
}

void UninstallProgressScreen::StartUninstall() {
    // A second press (or "/noask" and a click) must not start a second run.
    if (worker_.Started()) {
        return;
    }
    if (!IsUserAdmin() && !IsFolderWritable(GetOwnModuleFolder())) {
        EnsureElevated();
        return;
    }
    EnableWindow(GetDlgItem(Window(), IDC_UNINSTALL_START), FALSE);
    worker_.Start(processor_, UninstallScriptArgument(GetCommandLineW()));
    SetTimer(Window(), TIMER_STATUS, TIMER_STATUS_PERIOD_MS, nullptr);
}

void UninstallProgressScreen::OnTimer(uintptr_t id) {
    if (id == TIMER_STATUS) {
        PollStatus();
    }
}

void UninstallProgressScreen::PollStatus() {
    const HWND dialog = Window();
    const StatusFields fields = ParseStatusLine(processor_.GetStatusLine());
    SetDlgItemTextW(dialog, IDC_UNINSTALL_ACTION, GetStatusField(fields, L"name").c_str());
    if (GetStatusField(fields, L"status") != L"stop" || !worker_.Finished()) {
        return;
    }
    KillTimer(dialog, TIMER_STATUS);
    if (leaveMessage_ != 0) {
        const std::wstring page = ServiceBaseUrl() + L"/support.jsp?src=uninstall";
        ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    ShowControls(dialog, {IDC_UNINSTALL_START, IDC_UNINSTALL_ACTION, IDC_UNINSTALL_CAPTION, IDC_UNINSTALL_LEAVE_MESSAGE},
                 false);
    ShowControls(dialog, {IDC_UNINSTALL_OK, IDC_UNINSTALL_DONE_TEXT}, true);
    UpdateWindow(dialog);
}
