#include "app/installer_entry.h"

#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <thread>

#include "app/installer_state_loading.h"
#include "system/elevation.h"
#include "system/statistics.h"
#include "ui/installer_main_window.h"
#include "ui/screen_registerer.h"
#include "ui/title_screen.h"
#include "ui/uninstall_progress_screen.h"

void RestrictLibraryLoading() {
    // Not on Windows 7 without its loader update: then at least the current
    // folder leaves the search order.
    SetDllDirectoryW(L"");
    using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesCall>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault) {
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

bool IsUninstallCommandLine(const wchar_t* commandLine) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    const bool uninstall = arguments && count >= 2 && std::wcsstr(arguments[1], L"uninstall.xml") != nullptr;
    LocalFree(arguments);
    return uninstall;
}

int RunInstaller(HINSTANCE instance) {
    // Goes on with the rights it has when the user declines.
    EnsureElevated();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const bool uninstall = IsUninstallCommandLine(GetCommandLineW());
    if (!uninstall) {
        std::thread([] {
            GetInstallerState();
            SendLaunchReport();
        }).detach();
    }
    InstallerMainWindow window(instance);
    window.PostSwitchScreen(uninstall ? RegistererOf<UninstallProgressScreen>() : RegistererOf<TitleScreen>());
    window.RunMessageLoop();
    return 0;
}
