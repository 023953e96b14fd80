#pragma once
// The built-in languages, each defined next to its string table in strings/.
#include "ui/localizer.h"

extern const Language kLanguageEnglish;
extern const Language kLanguageIndonesian;
extern const Language kLanguageArabic;
extern const Language kLanguagePortugueseBrazil;
extern const Language kLanguageThai;
extern const Language kLanguagePersian;
extern const Language kLanguageSpanish;
extern const Language kLanguageMalay;
extern const Language kLanguageTurkish;
extern const Language kLanguageItalian;
extern const Language kLanguageJapanese;
extern const Language kLanguagePolish;
extern const Language kLanguageGerman;
extern const Language kLanguageKorean;
extern const Language kLanguageRussian;
extern const Language kLanguageFrench;
extern const Language kLanguageChinese;
extern const Language kLanguageVietnamese;
