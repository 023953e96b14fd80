#include "ui/installer_main_window.h"

bool QuitIsReported(bool forced, bool confirmEnabled, const char* screenCode) {
    return !forced && confirmEnabled && screenCode != nullptr && *screenCode != '\0';
}

void InstallerMainWindow::OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char*) {
    if (!QuitIsReported(forced, confirmEnabled, screenCode)) {
        return;
    }
    // The cancel report (usage code = the screen code followed by "i", extra
    // data = the detail) is sent here once the statistics requests exist.
}
