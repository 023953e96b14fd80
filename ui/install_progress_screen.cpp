#include "ui/install_progress_screen.h"

#include <commctrl.h>

#include "app/installer_state_loading.h"
#include "app/script_context.h"
#include "engine/status_line.h"
#include "engine/xml_processor.h"
#include "resources/resource_ids.h"
#include "system/platform_facts.h"
#include "system/program_launch.h"
#include "ui/browser_host.h"
#include "ui/finish_screen.h"
#include "ui/main_window.h"
#include "ui/progress_bar.h"
#include "ui/screen_registerer.h"
#include "ui/window_messages.h"

namespace {

// Network failures the connection question has already told the user about.
bool IsReportedNetworkError(const std::wstring& error) {
    for (const wchar_t* code : {L"2EFF", L"2EE7", L"2EFE", L"2FED"}) {
        if (error.find(code) != std::wstring::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

InstallProgressScreen::InstallProgressScreen(MainWindow& owner) : Screen(owner, IDD_INSTALL_PROGRESS, "inpr") {
    const ScriptPaths paths = DefaultScriptPaths();
    installScriptPath_ = paths.install;
    undoScriptPath_ = paths.undo;
    // All three are complete files before anything runs: the undo document
    // must be there even when the installation fails at its first tag.
    WriteBuiltinScripts(paths, GetInstallerState());
}

InstallProgressScreen::~InstallProgressScreen() {
    StopWorker();
    UnembedBrowser(GetDlgItem(Window(), IDC_PROGRESS_BROWSER_HOST));
}

void InstallProgressScreen::OnInit(HWND dialog) {
    SetBackground(CreateSolidBrush(RGB(243, 243, 245)));
    progressBar1_ = GetDlgItem(dialog, IDC_PROGRESS_BAR1);
    progressBar2_ = GetDlgItem(dialog, IDC_PROGRESS_BAR2);
    for (HWND bar : {progressBar1_, progressBar2_}) {
        SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 1000));
    }
    EmbedBrowser(GetDlgItem(dialog, IDC_PROGRESS_BROWSER_HOST));
    pages_.CheckFirstPage(dialog);
    Owner().SetTrayMode(true);
    StartWorker(installScriptPath_);
    SetTimer(dialog, TIMER_PAGES, TIMER_PAGES_PERIOD_MS, nullptr);
}

void InstallProgressScreen::StartWorker(const std::wstring& script) {
    StopWorker();
    processor_ = std::make_shared<CXMLProcessor>();
    worker_.Start(*processor_, script);
    SetTimer(Window(), TIMER_STATUS, TIMER_STATUS_PERIOD_MS, nullptr);
}

void InstallProgressScreen::StopWorker() {
    KillTimer(Window(), TIMER_STATUS);
    worker_.Stop();
    processor_.reset();
}

void InstallProgressScreen::BackFromTray() {
    Owner().SetTrayMode(false);
    Owner().RestoreFromTray();
    BringWindowToTop(Owner().Window());
}

void InstallProgressScreen::StartUndo() {
    undoing_ = true;
    StartWorker(undoScriptPath_);
}

void InstallProgressScreen::OnTimer(uintptr_t id) {
    if (id == TIMER_STATUS) {
        PollStatus();
    } else if (id == TIMER_PAGES) {
        pages_.CheckNextPage(Window());
    } else if (id == TIMER_PAGE_CHECK) {
        pages_.OnCheckTick(Window(), GetDlgItem(Window(), IDC_PROGRESS_BROWSER_HOST));
    }
}

void InstallProgressScreen::PollStatus() {
    if (!processor_) {
        return;
    }
    const StatusFields fields = ParseStatusLine(processor_->GetStatusLine());
    if (GetStatusField(fields, L"status") == L"stop" && worker_.Finished()) {
        const std::wstring error = GetStatusField(fields, L"error");
        StopWorker();
        if (undoing_) {
            // The undo run ended: its own error, if any, is shown first.
            if (!error.empty() && !IsReportedNetworkError(error)) {
                MessageBoxW(Owner().Window(), error.c_str(), L"Error", MB_ICONERROR);
            }
            Owner().Abort(true);
        } else if (!error.empty()) {
            if (!IsReportedNetworkError(error)) {
                MessageBoxW(Owner().Window(), error.c_str(), L"Error", MB_ICONERROR);
            }
            BackFromTray();
            StartUndo();
        } else {
            BackFromTray();
            if (GetStatusField(fields, L"reboot") == L"true") {
                Owner().PostSwitchScreen(RegistererOf<FinishScreenReboot>());
            } else {
                RunProgram(ProductProgramPath(GetInstallerState(), IsUserAdmin()), L"/welcome", 0, false, false);
                Owner().Abort(true);
            }
        }
    }
    SetProgressBar(GetStatusField(fields, L"progress1"), progressBar1_);
    SetProgressBar(GetStatusField(fields, L"progress2"), progressBar2_);
}

void InstallProgressScreen::OnCommand(uint16_t id) {
    if (id == IDC_PROGRESS_BACKGROUND) {
        OnCancel();
    }
}

void InstallProgressScreen::OnCancel() {
    bool failed = false;
    if (processor_) {
        const StatusFields fields = ParseStatusLine(processor_->GetStatusLine());
        failed = GetStatusField(fields, L"status") == L"stop" && !GetStatusField(fields, L"error").empty();
    }
    if (failed) {
        Owner().SetTrayMode(false);
    }
    if (undoing_) {
        Owner().SetCancelDetail(L"UNDOING_INSTALL");
    } else {
        Owner().SetCancelDetail(processor_ ? processor_->GetCurrentHandlerText() : L"<empty>");
    }
    if (undoing_ || failed) {
        Owner().Abort(false);
    } else {
        Owner().HideToTray();
    }
}

bool InstallProgressScreen::CanClose() {
    if (!undoing_) {
        // The quit was confirmed: the installation is rolled back first, and
        // the program ends when the undo run does.
        StartUndo();
    }
    return false;
}
