#include "ui/installer_main_window.h"

#include "common/text_conversion.h"
#include "system/statistics.h"

bool QuitIsReported(bool forced, bool confirmEnabled, const char* screenCode) {
    return !forced && confirmEnabled && screenCode != nullptr && *screenCode != '\0';
}

void InstallerMainWindow::OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char* detail) {
    if (!QuitIsReported(forced, confirmEnabled, screenCode)) {
        return;
    }
    SendCancelReport(AnsiToWide(screenCode), AnsiToWide(detail ? detail : ""));
}
