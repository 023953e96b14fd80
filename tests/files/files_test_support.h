#pragma once
// Helpers of the file tests: programs kept running, the Unix side of Wine,
// pending restart operations, fixtures and polling.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/text_conversion.h"

// A program started with a pipe as its standard input; it runs until Stop
// (or the destructor) closes the pipe and waits for it.
class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& commandLine);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    bool Started() const { return process_ != nullptr; }
    void Stop();

private:
    HANDLE process_ = nullptr;
    HANDLE input_ = nullptr;
};

// A copy of the helper program at `path`, running: an image in use, which
// can be renamed but not deleted.
std::unique_ptr<RunningProgram> StartImageInUse(const std::wstring& path);

// The test helper program (files_test_helper.exe) next to the test program.
std::wstring HelperProgram();
// A fixture archive made by tools/fixtures/make_zips.py at build time.
std::wstring FixturePath(const std::wstring& name);

// The Unix path Wine maps a Windows path to; empty outside Wine.
std::string UnixPath(const std::wstring& path);
// A Unix symbolic link made through Wine, which shows it as a reparse point.
bool MakeUnixSymlink(const std::wstring& target, const std::wstring& link);

// The source names of the deletions and renames registered for the restart.
std::vector<std::wstring> PendingRestartNames();
bool IsPendingAtRestart(const std::wstring& path);
// Drops the registered operations again, so that no test leaves a pending
// restart behind for the next.
void ClearPendingRestart();

// Polls every 100 ms until `done` holds or the time is up.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit);

// Restores the current directory, which unpack changes for good.
class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard();
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    std::wstring saved_;
};

