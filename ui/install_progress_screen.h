#pragma once
// The installation itself: writes the three documents, runs the install
// document on a worker, follows its status line with two bars, shows web
// pages meanwhile, and at the end offers a restart, starts the product or,
// after a failure, runs the undo document and quits.
#include <memory>
#include <string>

#include "ui/page_rotation.h"
#include "ui/screen_base.h"
#include "ui/script_worker.h"

class CXMLProcessor;

class InstallProgressScreen : public Screen<InstallProgressScreen> {
public:
    explicit InstallProgressScreen(MainWindow& owner);
    ~InstallProgressScreen() override;

    void OnInit(HWND dialog) override;
    void OnCancel() override;
    void OnCommand(uint16_t id) override;
    void OnTimer(uintptr_t id) override;
    bool CanClose() override;

private:
    // Aborts the current run (waiting for it) and runs the document on a new
    // processor, polled by the status timer.
    void StartWorker(const std::wstring& script);
    void StopWorker();
    void PollStatus();
    void BackFromTray();
    void StartUndo();

    std::wstring installScriptPath_;
    std::wstring undoScriptPath_;
    std::shared_ptr<CXMLProcessor> processor_;
    ScriptWorker worker_;
    HWND progressBar1_ = nullptr;
    HWND progressBar2_ = nullptr;
    bool undoing_ = false;
    PageRotation pages_;
};
