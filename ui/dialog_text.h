#pragma once
// The one place the wizard's windows ask for their translated texts: the
// translation pass over a new dialog and the direct look-up of a key.
#include <windows.h>

#include <string_view>

// Replaces every control text of the dialog that is a key by its text.
void TranslateDialog(HWND dialog);

// The current language's text for the key, or null when it has none.
const wchar_t* LookupText(std::wstring_view key);
