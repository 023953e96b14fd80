// The language registry and lookups: which languages exist in which order,
// which one is shown, and how a key finds its text.
#include <gtest/gtest.h>

#include <string>

#include "ui/localizer.h"

namespace {

TEST(LanguageRegistry, EighteenLanguagesInRegistrationOrder) {
    struct Case {
        const char* isoCode;
        const wchar_t* nativeName;
        int32_t flagBitmapId;
        int32_t stringCount;
    };
    const Case cases[] = {
        {"en", L"English", 144, 78},
        {"in", L"Bahasa (Indonesia)", 148, 1},
        {"ar", L"\u0627\u0644\u0639\u0631\u0628\u064A\u0629", 142, 46},
        {"pt_br", L"Portugu\u00EAs (Brasil)", 154, 46},
        {"th", L"\u0E44\u0E17\u0E22", 156, 46},
        {"fa", L"\u0641\u0627\u0631\u0633\u06CC", 146, 46},
        {"es", L"Espa\u00F1ol", 145, 46},
        {"ms", L"Bahasa (Melayu)", 152, 1},
        {"tr", L"T\u00FCrk\u00E7e", 157, 46},
        {"it", L"Italiano", 149, 1},
        {"ja", L"\u65E5\u672C\u8A9E", 150, 46},
        {"pl", L"Polski", 153, 1},
        {"de", L"Deutsch", 143, 1},
        {"ko", L"\uD55C\uAD6D\uC5B4", 151, 46},
        {"ru", L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439", 155, 46},
        {"fr", L"Fran\u00E7ais", 147, 46},
        {"zh", L"\u4E2D\u6587", 159, 46},
        {"vi", L"Ti\u1EBFng Vi\u1EC7t", 158, 46},
    };
    const Localizer& localizer = Localizer::Instance();
    ASSERT_EQ(localizer.Languages().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const Language& language = *localizer.Languages()[i];
        SCOPED_TRACE(c.isoCode);
        EXPECT_STREQ(language.isoCode, c.isoCode);
        // The expected names are written with escapes, so this also shows
        // that the UTF-8 sources became the right UTF-16 texts.
        EXPECT_EQ(std::wstring(language.nativeName), c.nativeName);
        EXPECT_EQ(language.flagBitmapId, c.flagBitmapId);
        EXPECT_EQ(language.stringCount, c.stringCount);
        EXPECT_STREQ(localizer.LanguageCode(static_cast<int32_t>(i)), c.isoCode);
    }
}

TEST(LanguageRegistry, EnglishIsShownAndItsCodeFillsTheLanguageParameter) {
    const Localizer& localizer = Localizer::Instance();
    EXPECT_EQ(&localizer, &Localizer::Instance());
    EXPECT_EQ(localizer.CurrentLanguage(), 0);
    EXPECT_STREQ(localizer.LanguageCode(localizer.CurrentLanguage()), "en");
    EXPECT_STREQ(localizer.Lookup(L"IDC_BUTTON_CANCEL"), L"&Cancel");
}

TEST(LanguageRegistry, CodesOutsideTheRegistryAreEmpty) {
    const Localizer& localizer = Localizer::Instance();
    EXPECT_STREQ(localizer.LanguageCode(-1), "");
    EXPECT_STREQ(localizer.LanguageCode(18), "");
    EXPECT_STREQ(Localizer().LanguageCode(0), "");
}

TEST(Lookup, KeysOfTheEnglishTable) {
    struct Case {
        const char* name;
        const wchar_t* key;
        const wchar_t* text;  // null: not found
    };
    const Case cases[] = {
        {"first of two pairs with one key", L"IDC_BUTTON_INSTALL", L"&Install >"},
        {"main window caption", L"APPLICATION_NAME", L"Zanvo Archiver"},
        {"leading space is part of the text", L"IDC_SHOW_LICENSE_LINK", L" License Agreement"},
        {"other letter case", L"idc_button_next", nullptr},
        {"mixed letter case", L"IDC_Button_Next", nullptr},
        {"key with trailing space", L"IDC_BUTTON_NEXT ", nullptr},
        {"prefix of a key", L"IDC_BUTTON", nullptr},
        {"template key of the Program Files radio", L"IDC_RADIOPF", nullptr},
        {"template key of the per-user radio", L"IDC_RADIOAPPDATA", nullptr},
        {"key only the translated tables have", L"IDC_TEXT_AVAILABLE_IN_GB", nullptr},
        {"empty text", L"", nullptr},
    };
    const Localizer& localizer = Localizer::Instance();
    for (const Case& c : cases) {
        const wchar_t* found = localizer.Lookup(c.key);
        if (c.text == nullptr) {
            EXPECT_EQ(found, nullptr) << c.name;
        } else {
            ASSERT_NE(found, nullptr) << c.name;
            EXPECT_STREQ(found, c.text) << c.name;
        }
    }
}

TEST(Lookup, WithoutLanguagesNothingIsFound) {
    const Localizer empty;
    EXPECT_EQ(empty.CurrentLanguage(), -1);
    EXPECT_EQ(empty.Lookup(L"APPLICATION_NAME"), nullptr);
    EXPECT_EQ(empty.Lookup(L""), nullptr);
}

TEST(Lookup, TheFirstLanguageAddedStaysCurrent) {
    const StringPair firstPairs[] = {{L"IDC_A", L"first"}};
    const StringPair secondPairs[] = {{L"IDC_A", L"second"}, {L"IDC_B", L"only second"}};
    const Language first = {firstPairs, 1, 1, L"First", "f1"};
    const Language second = {secondPairs, 2, 2, L"Second", "f2"};
    Localizer localizer;
    localizer.AddLanguage(first);
    localizer.AddLanguage(second);
    EXPECT_EQ(localizer.CurrentLanguage(), 0);
    EXPECT_STREQ(localizer.Lookup(L"IDC_A"), L"first");
    // No fallback to another language for a key the current one lacks.
    EXPECT_EQ(localizer.Lookup(L"IDC_B"), nullptr);
    EXPECT_STREQ(localizer.LanguageCode(1), "f2");
}

TEST(Lookup, ATableWithNoPairsFindsNothing) {
    const Language none = {nullptr, 0, 1, L"None", "xx"};
    Localizer localizer;
    localizer.AddLanguage(none);
    EXPECT_EQ(localizer.Lookup(L"APPLICATION_NAME"), nullptr);
    EXPECT_EQ(localizer.Lookup(L""), nullptr);
}

}  // namespace
