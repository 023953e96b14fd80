#pragma once
// The main window the installer makes: a confirmed quit on a screen that has
// a code sends the cancel report.
#include "ui/main_window.h"

class InstallerMainWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    void OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char* detail) override;
};

// Whether a quit is reported: asked and confirmed, on a screen with a code.
bool QuitIsReported(bool forced, bool confirmEnabled, const char* screenCode);
