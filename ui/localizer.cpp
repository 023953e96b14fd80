#include "ui/localizer.h"

#include "ui/string_tables.h"

namespace {

// Registration order is part of the data: index 0 is the language shown.
const Language* const kBuiltInLanguages[] = {
    &kLanguageEnglish, &kLanguageIndonesian, &kLanguageArabic,  &kLanguagePortugueseBrazil,
    &kLanguageThai,    &kLanguagePersian,    &kLanguageSpanish, &kLanguageMalay,
    &kLanguageTurkish, &kLanguageItalian,    &kLanguageJapanese, &kLanguagePolish,
    &kLanguageGerman,  &kLanguageKorean,     &kLanguageRussian, &kLanguageFrench,
    &kLanguageChinese, &kLanguageVietnamese,
};

Localizer WithBuiltInLanguages() {
    Localizer localizer;
    for (const Language* language : kBuiltInLanguages) {
        localizer.AddLanguage(*language);
    }
    return localizer;
}

// Control texts are read into a buffer of this size with one character less
// as the limit, so at most 126 characters come back.
constexpr int kControlTextBuffer = 128;

BOOL CALLBACK TranslateOneControl(HWND window, LPARAM param) {
    const auto& localizer = *reinterpret_cast<const Localizer*>(param);
    wchar_t text[kControlTextBuffer] = {};
    const int length = GetWindowTextW(window, text, kControlTextBuffer - 1);
    // A text longer than the buffer is not a key, even when its first
    // characters spell one.
    if (GetWindowTextLengthW(window) > length) {
        return TRUE;
    }
    if (const wchar_t* translated = localizer.Lookup(std::wstring_view(text, length))) {
        SetWindowTextW(window, translated);
    }
    return TRUE;
}

}  // namespace

Localizer& Localizer::Instance() {
    static Localizer localizer = WithBuiltInLanguages();
    return localizer;
}

void Localizer::AddLanguage(const Language& language) {
    languages_.push_back(&language);
    if (currentLanguage_ == -1) {
        currentLanguage_ = 0;
    }
}

const wchar_t* Localizer::Lookup(std::wstring_view key) const {
    if (currentLanguage_ < 0 || static_cast<size_t>(currentLanguage_) >= languages_.size()) {
        return nullptr;
    }
    const Language& language = *languages_[currentLanguage_];
    for (int32_t i = 0; i < language.stringCount; ++i) {
        const StringPair& pair = language.strings[i];
        if (pair.key != nullptr && key == pair.key) {
            return pair.text;
        }
    }
    return nullptr;
}

const char* Localizer::LanguageCode(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= languages_.size()) {
        return "";
    }
    return languages_[index]->isoCode;
}

void Localizer::TranslateControls(HWND dialog) const {
    // EnumChildWindows visits every descendant, not only the direct children.
    EnumChildWindows(dialog, TranslateOneControl, reinterpret_cast<LPARAM>(this));
}
