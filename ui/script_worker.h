#pragma once
// One run of a document on a processor, on a thread of its own, as the
// progress and uninstall screens run them. The screens poll the processor's
// status line; the run counts as ended only once its thread has returned,
// since the line also says "stop" before the run has begun.
#include <atomic>
#include <string>
#include <thread>

class CXMLProcessor;

class ScriptWorker {
public:
    ScriptWorker() = default;
    ~ScriptWorker() { Stop(); }
    ScriptWorker(const ScriptWorker&) = delete;
    ScriptWorker& operator=(const ScriptWorker&) = delete;

    // The processor must outlive the run (Stop, or this object's end).
    void Start(CXMLProcessor& processor, const std::wstring& script);
    bool Started() const { return thread_.joinable(); }
    bool Finished() const { return finished_; }
    // Asks the run to stop at its next abort check and waits until it has.
    void Stop();

private:
    CXMLProcessor* processor_ = nullptr;
    std::thread thread_;
    std::atomic<bool> finished_{false};
};
