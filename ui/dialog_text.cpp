// The window framework's two ways to the texts of the interface language.
#include "ui/dialog_text.h"

#include "ui/localizer.h"

void TranslateDialog(HWND dialog) { Localizer::Instance().TranslateControls(dialog); }

const wchar_t* LookupText(std::wstring_view key) { return Localizer::Instance().Lookup(key); }
