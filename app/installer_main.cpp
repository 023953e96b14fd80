// installer.exe: the installer and uninstaller of Zanvo Archiver.
#include <windows.h>

#include "app/installer_entry.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Before anything can load a library.
    RestrictLibraryLoading();
    return RunInstaller(instance);
}
