// Starting programs (exec, regdll, RunProgram) and stopping them
// (killprocess), with the project's helper programs under Wine.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "common/text_conversion.h"
#include "system/process_kill.h"
#include "system/process_tags.h"
#include "system/program_launch.h"
#include "tests/support/test_support.h"
#include "tests/system/record_file.h"
#include "tests/system/system_test_support.h"

namespace {

const wchar_t kExitHelper[] = L"exit_code_helper.exe";
const wchar_t kWindowHelper[] = L"window_helper.exe";

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string WithoutTrailingSeparator(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return Lower(path);
}

TEST(Exec, ExitCodesAndTimeouts) {
    struct Case {
        const char* name;
        const wchar_t* param;
        const wchar_t* timeout;
        int32_t result;
    };
    const Case cases[] = {
        {"exit_code_within_timeout_fails", L"--code 3", L"10000", 3},
        {"no_timeout_does_not_wait", L"--code 3 --sleep 500", L"", 0},
        {"timeout_0_does_not_wait", L"--code 3 --sleep 500", L"0", 0},
        {"minus_1_waits_for_the_end", L"--code 4 --sleep 1500", L"-1", 4},
        {"still_running_when_the_time_is_up", L"--code 5 --sleep 3000", L"300", 0},
        {"success", L"--code 0", L"-1", 0},
    };
    for (const Case& c : cases) {
        const std::wstring path = HelperPath(kExitHelper);
        const TagRun run =
            RunTag<CExecHandler>({{L"path", ToCi(path)}, {L"param", c.param}, {L"timeout", c.timeout}});
        EXPECT_EQ(run.result, c.result) << c.name;
        EXPECT_EQ(run.action, L"Launch " + path + L" " + c.param) << c.name;
    }
}

TEST(Exec, WaitsWithoutLimit) {
    const DWORD start = GetTickCount();
    const TagRun run = RunTag<CExecHandler>(
        {{L"path", ToCi(HelperPath(kExitHelper))}, {L"param", L"--sleep 1500 --code 6"}, {L"timeout", L"-1"}});
    EXPECT_EQ(run.result, 6);
    EXPECT_GE(GetTickCount() - start, 1400u);
}

TEST(Exec, FolderShowCommandAndArguments) {
    TempDir dir;
    const std::wstring record = dir / L"record.txt";
    std::wstring slashed = HelperPath(kExitHelper);
    for (wchar_t& c : slashed) {
        if (c == L'\\') {
            c = L'/';
        }
    }
    struct Case {
        const char* name;
        std::wstring path;
        const wchar_t* hidden;
        std::string show;
    };
    // The helpers sit next to the test program, so a bare name is found in
    // the installer's own folder too.
    const Case cases[] = {
        {"forward_slashes", slashed, L"", "1"},
        {"bare_name_runs_in_the_own_folder", kExitHelper, L"TRUE", "0"},
        {"hidden", HelperPath(kExitHelper), L"true", "0"},
        {"hidden_only_for_true", HelperPath(kExitHelper), L"yes", "1"},
    };
    for (const Case& c : cases) {
        DeleteFileW(record.c_str());
        const std::wstring param = L"--record " + Quoted(record) + L" --code 0 --sleep 0";
        const TagRun run = RunTag<CExecHandler>(
            {{L"path", ToCi(c.path)}, {L"param", ToCi(param)}, {L"timeout", L"-1"}, {L"hidden", c.hidden}});
        EXPECT_EQ(run.result, 0) << c.name;
        const auto got = ReadRecordFile(record);
        EXPECT_EQ(WithoutTrailingSeparator(got.count("folder") ? got.at("folder") : ""),
                  WithoutTrailingSeparator(WideToUtf8(ProgramFolder())))
            << c.name;
        EXPECT_EQ(got.count("show") ? got.at("show") : "", c.show) << c.name;
        const std::string commandLine = got.count("commandline") ? got.at("commandline") : "";
        EXPECT_NE(commandLine.find(" " + WideToUtf8(param)), std::string::npos) << c.name << ": " << commandLine;
    }
}

TEST(Exec, NothingToStartAndFailedStarts) {
    EXPECT_EQ(RunTag<CExecHandler>({{L"param", L"x"}}).result, 0);
    // No shell error box: the code comes back to the script.
    EXPECT_EQ(RunTag<CExecHandler>({{L"path", ToCi(HelperPath(L"no_such_program.exe"))}}).result,
              ERROR_FILE_NOT_FOUND);
    const std::wstring tooLong(2029, L'a');
    EXPECT_EQ(RunProgram(tooLong, L"", 0, false, true), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(RunProgram(HelperPath(kExitHelper), tooLong, 0, false, true), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(RunProgram(L"", L"", 0, false, true), 0);
}

TEST(RunProgram, WorksFromAThreadInTheMultithreadedApartment) {
    auto run = std::async(std::launch::async, [] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        const int32_t result = RunProgram(HelperPath(kExitHelper), L"--code 9", kWaitForever, true, false);
        CoUninitialize();
        return result;
    });
    EXPECT_EQ(run.get(), 9);
}

class Regdll : public testing::Test {
protected:
    const std::wstring key = L"Software\\ZanvoTests\\RegisterHelper";
    void SetUp() override { RemoveRegistryTree(HKEY_CURRENT_USER, key); }
    void TearDown() override { RemoveRegistryTree(HKEY_CURRENT_USER, key); }
    std::wstring State() const {
        const RegistryValue value = ReadRegistryValue(HKEY_CURRENT_USER, key, L"state", KEY_WOW64_64KEY);
        std::wstring text(reinterpret_cast<const wchar_t*>(value.bytes.data()), value.bytes.size() / 2);
        return text.substr(0, text.find(L'\0'));
    }
};

TEST_F(Regdll, RegistersAndUnregistersThroughRegsvr32) {
    const std::wstring library = HelperPath(L"register_helper.dll");
    TagRun run = RunTag<CRegdllHandler>({{L"path", ToCi(library)}});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.action, L"Launch regsvr32.exe /s \"" + library + L"\"");
    EXPECT_EQ(State(), L"registered");

    run = RunTag<CRegdllHandler>({{L"path", ToCi(library)}, {L"param", L"/u"}});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.action, L"Launch regsvr32.exe /s /u \"" + library + L"\"");
    EXPECT_EQ(State(), L"unregistered");
}

TEST_F(Regdll, MissingLibraryFailsAndNoPathDoesNothing) {
    EXPECT_NE(RunTag<CRegdllHandler>({{L"path", ToCi(HelperPath(L"no_such_library.dll"))}}).result, 0);
    const TagRun nothing = RunTag<CRegdllHandler>({{L"param", L"/u"}});
    EXPECT_EQ(nothing.result, 0);
    EXPECT_EQ(nothing.action, L"");
}

// A running window helper: "close" ends with 7 on WM_CLOSE, "ignore" does not.
class WindowHelper {
public:
    explicit WindowHelper(const wchar_t* mode) {
        static int counter = 0;
        const std::wstring eventName = L"ZanvoWindowHelper" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(counter++);
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
        std::wstring commandLine = Quoted(HelperPath(kWindowHelper)) + L" " + mode + L" " + eventName;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
            HANDLE both[] = {ready, process_};
            ready_ = WaitForMultipleObjects(2, both, FALSE, 20000) == WAIT_OBJECT_0;
        }
        CloseHandle(ready);
    }
    ~WindowHelper() {
        if (process_ != nullptr) {
            TerminateProcess(process_, 1);
            CloseHandle(process_);
        }
    }
    bool Ready() const { return ready_; }
    // The exit code once ended within the time, else -1.
    int ExitCode(DWORD waitMs = 5000) const {
        DWORD code = 0;
        if (WaitForSingleObject(process_, waitMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(process_, &code)) {
            return -1;
        }
        return static_cast<int>(code);
    }

private:
    HANDLE process_ = nullptr;
    bool ready_ = false;
};

TEST(Killprocess, ClosesFirstThenTerminatesWhatIsLeft) {
    WindowHelper closes(L"close");
    WindowHelper ignores(L"ignore");
    ASSERT_TRUE(closes.Ready() && ignores.Ready());
    const DWORD start = GetTickCount();
    const TagRun run =
        RunTag<CKillprocessHandler>({{L"name", L"WINDOW_HELPER.exe"}, {L"type", L"msg"}, {L"timeout", L"1500"}});
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.action, L"Terminate process WINDOW_HELPER.exe");
    EXPECT_EQ(closes.ExitCode(), 7);
    EXPECT_EQ(ignores.ExitCode(), 2);
    EXPECT_GE(elapsed, 1400u);
}

TEST(Killprocess, OtherTypesTerminateAtOnce) {
    WindowHelper closes(L"close");
    ASSERT_TRUE(closes.Ready());
    const DWORD start = GetTickCount();
    EXPECT_EQ(RunTag<CKillprocessHandler>({{L"name", kWindowHelper}, {L"type", L"kill"}}).result, 0);
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(closes.ExitCode(), 2);  // terminated, never asked to close
}

TEST(Killprocess, NegativeTimeoutUses3000) {
    WindowHelper ignores(L"ignore");
    ASSERT_TRUE(ignores.Ready());
    const DWORD start = GetTickCount();
    EXPECT_EQ(KillProcessesByName(kWindowHelper, true, -5), 0);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(ignores.ExitCode(), 2);
    EXPECT_GE(elapsed, 2900u);
    EXPECT_LT(elapsed, 8000u);
}

TEST(Killprocess, NothingToStop) {
    const DWORD start = GetTickCount();
    EXPECT_EQ(RunTag<CKillprocessHandler>({{L"name", L"no_such_process.exe"}}).result, 0);
    EXPECT_LT(GetTickCount() - start, 1000u);
    const TagRun nothing = RunTag<CKillprocessHandler>({{L"type", L"msg"}});
    EXPECT_EQ(nothing.result, 0);
    EXPECT_EQ(nothing.action, L"");
}

}  // namespace
