#pragma once
// The first screen of an installation: the destination folder, the three
// options, the licence and the notices about rights and existing copies. Its
// choices go into the process-wide InstallerState; whatever needs rights the
// process lacks restarts the installer elevated.
#include "ui/screen_base.h"

// The three ways to the destination.
enum DestinationChoice : int32_t {
    kDestinationProgramFiles = 1,
    kDestinationUserAppData = 2,
    kDestinationPicked = 3,
};

class TitleScreen : public Screen<TitleScreen> {
public:
    explicit TitleScreen(MainWindow& owner);

    void OnInit(HWND dialog) override;
    void OnNext() override;
    void OnCommand(uint16_t id) override;

private:
    // Checks the radio button of the destination chosen last and focuses it.
    void RestoreDestinationRadio();
    // The check boxes as EnsureElevated's option bits.
    int32_t OptionBits() const;
    // EnsureElevated with the dialog disabled while the prompt is up.
    void ElevateForChoice();
    void OnProgramFilesRadio();
    void OnUserAppDataRadio();
    void OnPickFolder();
    void OnIntegrationCheckBox(uint16_t id, bool& option);
    bool Checked(int id) const;
    void Check(int id, bool checked);
    void Enable(int id, bool enabled);

    int32_t destinationChoice_ = kDestinationProgramFiles;
    bool admin_ = false;
};

// The Program Files folder the product installs below, as the 32-bit program
// sees it on 64-bit Windows; empty when Windows cannot tell.
std::wstring ProgramFilesFolder();
// The user's local application data folder; empty when Windows cannot tell.
std::wstring LocalAppDataFolder();
