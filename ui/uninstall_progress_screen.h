#pragma once
// The only screen of uninstall mode: confirms, runs the uninstall document
// named on the command line, shows its phases, then an OK button and
// optionally the vendor's support page.
#include "engine/xml_processor.h"
#include "ui/screen_base.h"
#include "ui/script_worker.h"

class UninstallProgressScreen : public Screen<UninstallProgressScreen> {
public:
    explicit UninstallProgressScreen(MainWindow& owner);

    void OnInit(HWND dialog) override;
    void OnCommand(uint16_t id) override;
    void OnTimer(uintptr_t id) override;

private:
    void StartUninstall();
    void PollStatus();

    CXMLProcessor processor_;
    int32_t leaveMessage_ = 1;
    ScriptWorker worker_;  // after the processor: it goes first
};

// The uninstall document a command line names: its first argument, or empty.
std::wstring UninstallScriptArgument(const wchar_t* commandLine);
// "/noask" anywhere in the command line, in any letter case.
bool CommandLineSkipsQuestion(const wchar_t* commandLine);
