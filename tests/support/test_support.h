#pragma once
// Small helpers shared by the test programs: temporary folders, files,
// child processes, and probe tags that report what the engine asked of them.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/xml_processor.h"

// A fresh folder below the temporary folder, removed with everything in it.
class TempDir {
public:
    explicit TempDir(const std::wstring& hint = L"zt");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool PathExists(const std::wstring& path);
void RemoveTreeForTest(const std::wstring& path);

// The folder of the running test program (where the other programs are).
std::wstring ProgramFolder();
std::wstring ProgramPath();

struct ProcessOutput {
    int32_t exitCode = -1;
    std::string out;
};
// Runs a command line with the given standard input; waits for it to end.
ProcessOutput RunProcess(const std::wstring& commandLine, const std::string& input = std::string());

// Records, in order, the names of probe tags that ran, and what they saw.
struct ProbeLog {
    std::vector<std::wstring> ran;
    // Called inside every probe's Process, after it logged itself.
    std::function<void(CTagHandler&)> hook;
};

// <probe id="..." code="N"/>: logs its id and sets its result to N. With
// fault="1" it dereferences a null pointer while holding the action lock
// (fault="library": inside the C library);
// with abort="1" it requests an abort of its own run and then calls AddDone.
class CProbeHandler : public CTagHandler {
public:
    static constexpr const wchar_t* kTagName = L"probe";
    CProbeHandler(ParamsPtr params, ProgressPtr progress, std::shared_ptr<ProbeLog> log);
    HandlerPtr Clone() const override;
    void Process() override;

private:
    std::shared_ptr<ProbeLog> log_;
};

struct ScriptRun {
    int32_t result = 0;
    std::wstring statusLine;
    std::wstring currentText;
    std::vector<std::wstring> ran;
};
// Runs an XML text through a new processor with the probe tag registered.
ScriptRun RunXml(const std::string& xml, std::function<void(CTagHandler&)> hook = nullptr);
// Registers the probe tag on a processor; returns its log.
std::shared_ptr<ProbeLog> AddProbe(CXMLProcessor& processor);
