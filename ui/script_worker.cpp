#include "ui/script_worker.h"

#include <windows.h>

#include "engine/xml_processor.h"

void ScriptWorker::Start(CXMLProcessor& processor, const std::wstring& script) {
    Stop();
    processor_ = &processor;
    finished_ = false;
    thread_ = std::thread([this, script] {
        processor_->LoadFileAndRun(script);
        finished_ = true;
    });
}

void ScriptWorker::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    processor_->RequestAbort();
    while (processor_->IsRunning()) {
        Sleep(100);
    }
    thread_.join();
    processor_ = nullptr;
}
