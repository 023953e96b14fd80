#pragma once
// The licence text in a modal dialog of its own, opened from the title screen.
#include <windows.h>

// Returns when the user closes the dialog.
void ShowLicenseDialog(HWND owner);
