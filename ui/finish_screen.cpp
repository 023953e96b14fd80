#include "ui/finish_screen.h"

#include "app/reboot.h"
#include "resources/resource_ids.h"
#include "ui/main_window.h"

FinishScreenReboot::FinishScreenReboot(MainWindow& owner) : Screen(owner, IDD_FINISH_REBOOT, "fnrb") {
    owner.DisableAbortConfirmation();
}

void FinishScreenReboot::OnInit(HWND dialog) {
    const HBRUSH brush = CreateSolidBrush(RGB(243, 243, 245));
    SetBackground(brush);
    // The radio buttons sit on the screen's light background.
    SetControlBrush(IDC_FINISH_REBOOT_NOW, brush);
    SetControlBrush(IDC_FINISH_REBOOT_LATER, brush);
    CheckDlgButton(dialog, IDC_FINISH_REBOOT_NOW, BST_CHECKED);
}

void FinishScreenReboot::OnNext() {
    if (IsDlgButtonChecked(Window(), IDC_FINISH_REBOOT_NOW)) {
        RebootSystem(SystemRestartCall());
    }
    Owner().Abort(true);
}
