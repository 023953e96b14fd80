#include "tests/support/test_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/result_codes.h"

TempDir::TempDir(const std::wstring& hint) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + hint + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter++);
    RemoveTreeForTest(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTreeForTest(path_); }

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << std::string(path.begin(), path.end());
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTreeForTest(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name != L"." && name != L"..") {
                    RemoveTreeForTest(path + L"\\" + name);
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(path.c_str());
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(path.c_str());
    } else {
        DeleteFileW(path.c_str());
    }
}

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring ProgramFolder() {
    const std::wstring path = ProgramPath();
    return path.substr(0, path.find_last_of(L"\\/"));
}

ProcessOutput RunProcess(const std::wstring& commandLine, const std::string& input) {
    ProcessOutput output;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE outRead, outWrite, inRead, inWrite;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&inRead, &inWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    const BOOL started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(inRead);
    if (!started) {
        CloseHandle(outRead);
        CloseHandle(inWrite);
        ADD_FAILURE() << "cannot start " << std::string(commandLine.begin(), commandLine.end());
        return output;
    }
    std::thread feeder([inWrite, input] {
        DWORD written = 0;
        if (!input.empty()) {
            WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        }
        CloseHandle(inWrite);
    });
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(outRead, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        output.out.append(buffer, read);
    }
    feeder.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    output.exitCode = static_cast<int32_t>(code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(outRead);
    return output;
}

CProbeHandler::CProbeHandler(ParamsPtr params, ProgressPtr progress, std::shared_ptr<ProbeLog> log)
    : CTagHandler(std::move(params), ToUpper(kTagName), std::move(progress)), log_(std::move(log)) {}

HandlerPtr CProbeHandler::Clone() const { return std::make_shared<CProbeHandler>(params, progress, log_); }

void CProbeHandler::Process() {
    log_->ran.push_back(ToWide(GetAttribute(L"id")));
    if (log_->hook) {
        log_->hook(*this);
    }
    if (GetAttribute(L"fault") == L"1") {
        std::lock_guard<std::recursive_mutex> guard(progress->action.Lock());
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    if (GetAttribute(L"fault") == L"library") {
        // A fault inside the C library, below a frame that holds the lock.
        std::lock_guard<std::recursive_mutex> guard(progress->action.Lock());
        size_t (*volatile length)(const wchar_t*) = wcslen;
        result = static_cast<int32_t>(length(nullptr));
    }
    if (GetAttribute(L"abort") == L"1") {
        progress->abortState = 2;
        progress->action.AddDone(1);
    }
    result = _wtoi(GetAttribute(L"code").c_str());
}

std::shared_ptr<ProbeLog> AddProbe(CXMLProcessor& processor) {
    auto log = std::make_shared<ProbeLog>();
    processor.AddHandler(std::make_shared<CProbeHandler>(processor.Params(), processor.Progress(), log));
    return log;
}

ScriptRun RunXml(const std::string& xml, std::function<void(CTagHandler&)> hook) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    log->hook = std::move(hook);
    ScriptRun run;
    run.result = processor.ParseAndRun(xml.data(), xml.size());
    run.statusLine = processor.GetStatusLine();
    run.currentText = processor.GetCurrentHandlerText();
    run.ran = log->ran;
    return run;
}
