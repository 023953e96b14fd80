// exit_code_helper [--code N] [--sleep MS] [--record FILE]: a program that the
// process tests start. It writes what it was started with (current folder,
// show command, command line) to FILE, waits MS milliseconds and exits with
// code N. Its version resource carries a FileVersion string that differs
// from its fixed version numbers.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/text_conversion.h"
#include "tests/system/record_file.h"

namespace {

void Record(const std::wstring& path) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    WriteRecordFile(path, {{"folder", WideToUtf8(folder)},
                           {"show", std::to_string(show)},
                           {"commandline", WideToUtf8(GetCommandLineW())}});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    int code = 0;
    DWORD sleepMs = 0;
    for (int i = 1; i + 1 < count; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--code") {
            code = _wtoi(argv[i + 1]);
        } else if (option == L"--sleep") {
            sleepMs = static_cast<DWORD>(_wtoi(argv[i + 1]));
        } else if (option == L"--record") {
            Record(argv[i + 1]);
        }
    }
    LocalFree(argv);
    Sleep(sleepMs);
    return code;
}
