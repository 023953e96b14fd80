#pragma once
// Every text the wizard shows comes from built-in string tables, one per
// language, keyed by the short identifiers ("IDC_BUTTON_NEXT") that the dialog
// templates carry as control texts.
#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

struct StringPair {
    const wchar_t* key;
    const wchar_t* text;
};

// One language: its table and the data a language list would show.
struct Language {
    const StringPair* strings;
    int32_t stringCount;
    int32_t flagBitmapId;  // 16 x 12 flag bitmap resource
    const wchar_t* nativeName;
    const char* isoCode;
};

class Localizer {
public:
    // The process-wide localizer with the built-in languages, English first.
    static Localizer& Instance();

    // An empty localizer: no languages, so every lookup finds nothing.
    Localizer() = default;

    // Appends a language; the first one added becomes the current language
    // and stays it.
    void AddLanguage(const Language& language);

    // The current language's text for the key (exact, case-sensitive; the
    // first pair wins), or null. There is no fallback language.
    const wchar_t* Lookup(std::wstring_view key) const;

    // The language code of the language at that index, "" for no language.
    const char* LanguageCode(int32_t index) const;

    int32_t CurrentLanguage() const { return currentLanguage_; }
    const std::vector<const Language*>& Languages() const { return languages_; }

    // Replaces the text of every descendant window of the dialog whose text
    // is a key by that key's text; other texts stay as they are.
    void TranslateControls(HWND dialog) const;

private:
    int32_t currentLanguage_ = -1;
    std::vector<const Language*> languages_;  // not owned
};
