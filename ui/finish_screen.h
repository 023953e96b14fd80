#pragma once
// The last screen of an installation that needs a restart: "Reboot now" or
// later, then the program ends. Quitting here neither asks nor reports.
#include "ui/screen_base.h"

class FinishScreenReboot : public Screen<FinishScreenReboot> {
public:
    explicit FinishScreenReboot(MainWindow& owner);

    void OnInit(HWND dialog) override;
    void OnNext() override;
};
