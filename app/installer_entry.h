#pragma once
// The installer's start: rights, the run mode from the command line, the
// launch report and the wizard's first screen, then its message loop.
#include <windows.h>

// Library loading limited to the system folder, so that a library placed
// beside the installer (a downloads folder) is never loaded in its place.
void RestrictLibraryLoading();

// Uninstall mode: the first argument after the program names the uninstall
// document (case-sensitive "uninstall.xml" anywhere in it).
bool IsUninstallCommandLine(const wchar_t* commandLine);

// Runs the wizard to its end; returns the process's exit code.
int RunInstaller(HINSTANCE instance);
