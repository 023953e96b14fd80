// winsetup32.exe / winsetup64.exe and the runtime installer stub of the demo
// product: they record their arguments and succeed, standing in for the
// product's registration helper and the runtime installer.
#include <windows.h>

#include "demo_log.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    AppendDemoLog(nullptr, (name + L".log").c_str(), CommandLineArguments());
    return 0;
}
