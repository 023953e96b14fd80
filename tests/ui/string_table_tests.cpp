// The contents of the built-in string tables: the English vocabulary, the
// key sets of the other tables, and the checks a reviewer of a translation
// would make (nothing left in English, placeholders and mnemonics kept,
// the right script, texts that fit their controls).
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ui/localizer.h"

namespace {

const Language& FindLanguage(const char* isoCode) {
    for (const Language* language : Localizer::Instance().Languages()) {
        if (std::string(language->isoCode) == isoCode) {
            return *language;
        }
    }
    ADD_FAILURE() << "no language " << isoCode;
    static const Language none = {nullptr, 0, 0, L"", ""};
    return none;
}

// The first pair of the table with that key, as a lookup finds it.
const wchar_t* TextOf(const Language& language, const std::wstring& key) {
    for (int32_t i = 0; i < language.stringCount; ++i) {
        if (key == language.strings[i].key) {
            return language.strings[i].text;
        }
    }
    return nullptr;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow += (c < 0x80) ? static_cast<char>(c) : '?';
    }
    return narrow;
}

// The keys of the twelve translated tables, in their order.
const wchar_t* const kTranslatedKeys[] = {
    L"IDC_CB_RUN_PROGRAM", L"IDC_TEXT_TOOLBAR_INSTRUCTION", L"IDC_LINK_TOOLBAR_PP",
    L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"IDC_CB_ACCEPT_LICENSE", L"IDC_LINK_DECLINE",
    L"IDC_BUTTON_NEXT", L"WARING_TARGET_DIR_IS_NOT_EMPTY", L"IDC_TEXT_SCREEN_HEADER_FINAL",
    L"IDC_BUTTON_BROWSE_DESTINATION", L"IDC_TEXT_INSTALL_OVERALL", L"IDC_RADIO_REBOOT_LATER",
    L"IDC_TEXT_FINAL_INSTRUCTIONS", L"IDC_TEXT_AVAILABLE_IN_GB", L"IDC_RADIO_DEFAULT_INSTALL",
    L"IDC_CB_TOOLBAR_SEARCH", L"IDC_RADIO_REBOOT_NOW", L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"IDC_BUTTON_BACK",
    L"IDC_TEXT_REQUIRED_IN_MB", L"IDC_TEXT_FINAL_GRATITUDE", L"IDC_BUTTON_CANCEL", L"ABORT_CONFIRMATION",
    L"IDC_GRB_DESTINATION", L"IDC_TEXT_TOOLBAR_TOP", L"IDC_TEXT_INSTRUCTION_TOP", L"IDC_BUTTON_FINISH",
    L"APPLICATION_NAME", L"IDC_TEXT_INSTRUCTION_BOTTOM", L"IDC_TEXT_DESTINATION_INSTRUCTION", L"IDC_BUTTON_AGREE",
    L"IDC_LINK_TOOLBAR_EULA", L"IDC_RADIO_CUSTOM_INSTALL", L"IDC_CB_TOOLBAR_HOMEPAGE", L"ACTION_DONE",
    L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"IDC_EDIT_LICENSE", L"ERROR_TARGET_DIR_MESSAGE",
    L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"IDC_FIRST_SCREEN_TEXT",
    L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"IDC_BUTTON_INSTALL", L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS",
    L"IDC_BROWSE_DIALOG_CAPTION", L"IDC_CB_TOOLBAR_INTEGRATION",
};

// The English meaning of the twelve keys that only the translated tables
// carry: what each translation is measured against.
const StringPair kEnglishOfTranslatedOnlyKeys[] = {
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Uninstalling Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"I &accept the terms of the License Agreement"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"B&rowse..."},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Space available: %0.1fGB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"&Default installation (recommended)"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Space required: %0.1fMB"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Make the most of your web browser"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Click Install to start the installation."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION", L"To install into another folder, click Browse and select it."},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"&Custom installation (advanced)"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Installation Type"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Choose Install Location"},
};

std::wstring EnglishOf(const std::wstring& key) {
    for (const StringPair& pair : kEnglishOfTranslatedOnlyKeys) {
        if (key == pair.key) {
            return pair.text;
        }
    }
    const wchar_t* text = TextOf(FindLanguage("en"), key);
    return text ? text : L"";
}

// Names that stay the same in every language.
bool IsName(const std::wstring& key) { return key == L"APPLICATION_NAME"; }

// Mnemonic markers: a single "&" ("&&" is a literal ampersand).
int CountMnemonics(const std::wstring& text) {
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                ++i;
            } else {
                ++count;
            }
        }
    }
    return count;
}

// The printf conversions of a text, in order ("%0.1f"), and "%%".
std::vector<std::wstring> Placeholders(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = text.find(L'%'); i != std::wstring::npos; i = text.find(L'%', i + 1)) {
        size_t end = i + 1;
        while (end < text.size() && (std::iswdigit(text[end]) || text[end] == L'.')) {
            ++end;
        }
        found.push_back(text.substr(i, end + 1 - i));
        i = end;
    }
    return found;
}

bool IsCombiningMark(wchar_t c) {
    return (c >= 0x0300 && c <= 0x036F)                       // Latin diacritics
           || (c >= 0x064B && c <= 0x065F) || c == 0x0670     // Arabic vowel signs
           || c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A)     // Thai vowels above and below
           || (c >= 0x0E47 && c <= 0x0E4E)                    // Thai tone marks
           || c == 0x200C;                                    // zero-width non-joiner
}

bool IsWide(wchar_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60);
}

// Width in average Latin characters: ideographs and Hangul take two, marks
// that sit on another letter and mnemonic markers none.
int DisplayWidth(const std::wstring& text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'&' && i + 1 < text.size() && text[i + 1] != L'&') {
            continue;
        }
        width += IsCombiningMark(c) ? 0 : IsWide(c) ? 2 : 1;
    }
    return width;
}

// The screens' keys and the widest text their controls show without
// clipping, in average characters of the control's font.
struct WidthLimit {
    const wchar_t* key;
    int width;
};
const WidthLimit kWidthLimits[] = {
    {L"APPLICATION_NAME", 40},                 // window caption
    {L"IDC_BUTTON_NEXT", 30},                  // 191 wide, font 1.3
    {L"IDC_BUTTON_CANCEL", 14},                // 50 wide
    {L"IDC_BUTTON_FINISH", 14},                // 50 wide
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", 24},   // 144 wide, one line, font 1.5 bold
    {L"IDC_RADIO_REBOOT_NOW", 55},             // 223 wide, one line
    {L"IDC_RADIO_REBOOT_LATER", 55},           // 230 wide, one line
    {L"IDC_FIRST_SCREEN_TEXT", 95},            // 190 x 49, three lines, font 1.5 bold
    {L"IDC_TEXT_FINAL_INSTRUCTIONS", 200},     // 216 x 36, four lines
    {L"IDC_BROWSE_DIALOG_CAPTION", 120},       // two lines above the folder tree
};

bool IsWordCharacter(wchar_t c) { return std::iswalpha(c) || c == L'\''; }

// Whole words, lower case, from a Latin-script text.
std::set<std::wstring> Words(const std::wstring& text) {
    std::set<std::wstring> words;
    std::wstring word;
    for (wchar_t c : text + L" ") {
        if (IsWordCharacter(c)) {
            word += static_cast<wchar_t>(std::towlower(c));
        } else if (!word.empty()) {
            words.insert(word);
            word.clear();
        }
    }
    return words;
}

// Words that give away an English text in a Latin-script translation.
const wchar_t* const kEnglishOnlyWords[] = {
    L"the",    L"your",   L"you",     L"and",     L"with",   L"folder",   L"click",     L"please",  L"setup",
    L"reboot", L"now",    L"license", L"agreement", L"cancel", L"finish", L"browse",    L"back",    L"done",
    L"select", L"choose", L"toolbar", L"install", L"overall", L"progress", L"available", L"required", L"want",
};

// Names kept in every language, removed before looking for English words.
std::wstring WithoutNames(std::wstring text) {
    for (const wchar_t* name : {L"Zanvo Archiver", L"Zanvo Search", L"Zanvo", L"Kelvarion Ltd", L"Copyright"}) {
        for (size_t at = text.find(name); at != std::wstring::npos; at = text.find(name)) {
            text.erase(at, std::wstring(name).size());
        }
    }
    return text;
}

bool HasOnlyCrLfLineBreaks(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && (i + 1 >= text.size() || text[i + 1] != L'\n')) return false;
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) return false;
    }
    return true;
}

TEST(EnglishTable, SeventySevenKeysInSeventyEightPairs) {
    const Language& english = FindLanguage("en");
    ASSERT_EQ(english.stringCount, 78);
    std::set<std::wstring> keys;
    for (int32_t i = 0; i < english.stringCount; ++i) {
        const StringPair& pair = english.strings[i];
        ASSERT_NE(pair.key, nullptr);
        ASSERT_NE(pair.text, nullptr);
        EXPECT_NE(std::wstring(pair.text), L"") << Narrow(pair.key);
        EXPECT_TRUE(HasOnlyCrLfLineBreaks(pair.text)) << Narrow(pair.key);
        keys.insert(pair.key);
    }
    EXPECT_EQ(keys.size(), 77u);
}

TEST(EnglishTable, TextsTheScreensShow) {
    const StringPair expected[] = {
        {L"APPLICATION_NAME", L"Zanvo Archiver"},
        {L"ABORT_CONFIRMATION", L"Are you sure you want to quit Zanvo Archiver Setup?"},
        {L"IDC_BUTTON_NEXT", L"Install >"},
        {L"IDC_FIRST_SCREEN_TEXT", L"Most friendly and simple software to open and create archives"},
        {L"IDC_LICENSE_CHOICE_DESCRIPTION", L"By clicking \"Install\" you accept the terms of the"},
        {L"IDC_SHOW_LICENSE_LINK", L" License Agreement"},
        {L"IDC_RADIOCHOOSE", L"Select another folder..."},
        {L"IDC_CHECK_EXTENSIONS", L"integrate \"Extract\" and \"Create archive\" items into Explorer context menu"},
        {L"IDC_CHECK_ASSOCIATIONS", L"Change file associations and open archives with Zanvo"},
        {L"IDC_CHECK_STATS", L"I agree to send statistical data to make Zanvo better"},
        {L"IDC_STATIC_RED_USERNADMIN", L"Your current user does not have enough rights to install new software."},
        {L"IDC_STATIC_RED_USERNADMIN2",
         L"We highly recommend to install Zanvo as \u201CAdministrator\u201D, otherwise it might not work properly."},
        {L"IDC_STATIC_RED_2COPY_0",
         L"We found two installations of Zanvo Archiver. It's not recommended to use two separate installations."},
        {L"IDC_STATIC_RED_2COPY_1",
         L"Therefore local installation for your user will be uninstalled, and the other installation for all "
         L"users will be updated."},
        {L"IDC_STATIC_RED_LOCAL_INST_0",
         L"Only local installation for your user will be updated. It's not recommended to use two separate "
         L"installations."},
        {L"IDC_STATIC_RED_LOCAL_INST_1",
         L"Please consider to ask your administrator to leave only one installation for all users in Program "
         L"Files."},
        {L"IDC_STATIC_SETUP_WIZ_0",
         L"This wizard will guide you through the installation process and install Zanvo Archiver."},
        {L"IDC_STATIC_SETUP_WIZ_1",
         L"You can change installation path, integration and associations options. Some of them requires "
         L"administrator rights, but you can skip them and install Zanvo with user account."},
        {L"IDC_BROWSE_DIALOG_CAPTION", L"Please, select Zanvo Archiver target directory..."},
        {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"License Agreement"},
        {L"IDC_BUTTON_CANCEL", L"&Cancel"},
        {L"IDC_BUTTON_BACKGROUND", L"Background"},
        {L"IDC_BUTTON_FINISH", L"&Finish"},
        {L"IDC_TEXT_FINAL_INSTRUCTIONS",
         L"Your computer must be restarted in order to complete the installation of Zanvo Archiver. Do you "
         L"want to reboot now?"},
        {L"IDC_RADIO_REBOOT_NOW", L"Reboot now"},
        {L"IDC_RADIO_REBOOT_LATER", L"I want to manually reboot later"},
        {L"IDC_TEXT_UNINSTALL_CAPTION", L"Uninstalling Zanvo Archiver"},
        {L"IDC_TEXT_UNINSTALL_ACTION",
         L"We are sorry that Zanvo did not work for you. Click 'Uninstall' to remove Zanvo Archiver from your "
         L"computer."},
        {L"IDC_BUTTON_UNINSTALL", L"Uninstall"},
        {L"IDC_CB_LEAVE_MESSAGE", L"I want to leave a message"},
        {L"IDC_TEXT_UNINSTALLED_ACTION", L"Zanvo Archiver has been successfully uninstalled."},
        {L"IDC_BUTTON_UNINSTALL2", L"OK"},
        {L"IDC_STATIC_RED_USERNADMIN_U", L"Your current user does not have enough rights to uninstall this software."},
        {L"IDC_STATIC_RED_USERNADMIN2_U",
         L"We highly recommend to uninstall Zanvo as \u201CAdministrator\u201D, otherwise it might not uninstall "
         L"properly."},
    };
    const Localizer& localizer = Localizer::Instance();
    for (const StringPair& pair : expected) {
        const wchar_t* text = localizer.Lookup(pair.key);
        ASSERT_NE(text, nullptr) << Narrow(pair.key);
        EXPECT_EQ(std::wstring(text), pair.text) << Narrow(pair.key);
    }
}

TEST(EnglishTable, KeysOfEarlierPagesAndPartnerOffers) {
    const wchar_t* const keys[] = {
        L"IDC_BUTTON_AGREE", L"IDC_BUTTON_ACCEPT_CONTINUE", L"IDC_BUTTON_BACK", L"IDC_BUTTON_INSTALL",
        L"IDC_LINK_DECLINE", L"ERROR_TARGET_DIR_MESSAGE", L"WARING_TARGET_DIR_IS_NOT_EMPTY", L"ACTION_DONE",
        L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"IDC_GRB_DESTINATION", L"IDC_LINK_BROWSE_DESTINATION",
        L"IDC_TEXT_INSTRUCTION_TOP", L"IDC_BUTTON_DECLINE", L"IDC_STATIC_GROUP_CAPTION",
        L"IDC_CB_TOOLBAR_INTEGRATION", L"IDC_CB_TOOLBAR_SEARCH", L"IDC_CB_TOOLBAR_INTEGRATION2",
        L"IDC_CB_TOOLBAR_SEARCH2", L"IDC_CB_TOOLBAR_HOMEPAGE", L"IDC_CB_TOOLBAR_HOMEPAGE2",
        L"IDC_CB_TOOLBAR_HOMEPAGE3", L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"IDC_CB_TOOLBAR_NEWTAB",
        L"IDC_TEXT_TOOLBAR_INSTRUCTION", L"IDC_TEXT_TOOLBAR_CAPTION1", L"IDC_TEXT_TOOLBAR_CAPTION2",
        L"IDC_CB_TOOLBAR_NEWTAB2", L"IDC_TEXT_TOOLBAR_INSTRUCTION2", L"IDC_TEXT_SCREEN_HEADER_INTEGRATION2",
        L"IDC_LINK_TOOLBAR_EULA", L"IDC_LINK_TOOLBAR_PP", L"IDC_TEXT_DESCR_LICENSE_EULA",
        L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"IDC_TEXT_INSTALL_OVERALL", L"IDC_TEXT_SCREEN_HEADER_FINAL",
        L"IDC_TEXT_FINAL_INSTRUCTIONS_UNINSTALL", L"IDC_TEXT_FINAL_GRATITUDE", L"IDC_CB_RUN_PROGRAM",
        L"IDC_CB_BAIDU", L"IDC_TEXT_DESCRIPTION_BAIDU", L"IDC_CB_HAO", L"IDC_TEXT_DESCRIPTION_HAO",
    };
    const Language& english = FindLanguage("en");
    for (const wchar_t* key : keys) {
        EXPECT_NE(TextOf(english, key), nullptr) << Narrow(key);
    }
    // "IDC_BUTTON_INSTALL" has two pairs; the one with the mnemonic comes first.
    std::vector<std::wstring> installTexts;
    for (int32_t i = 0; i < english.stringCount; ++i) {
        if (std::wstring(english.strings[i].key) == L"IDC_BUTTON_INSTALL") {
            installTexts.push_back(english.strings[i].text);
        }
    }
    EXPECT_EQ(installTexts, (std::vector<std::wstring>{L"&Install >", L"Install >"}));
}

TEST(EnglishTable, LicenceIsTheTwoClauseBsdLicenceOfTheMaker) {
    const std::wstring licence = Localizer::Instance().Lookup(L"IDC_EDIT_LICENSE");
    EXPECT_EQ(licence.rfind(L"Copyright (c) ", 0), 0u);
    EXPECT_NE(licence.find(L"Kelvarion Ltd\r\nAll rights reserved.\r\n"), std::wstring::npos);
    for (const wchar_t* clause : {
             L"\r\n1. Redistributions of source code must retain the above copyright notice",
             L"\r\n2. Redistributions in binary form must reproduce the above copyright notice",
             L"THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS \"AS IS\"",
             L"EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.",
         }) {
        EXPECT_NE(licence.find(clause), std::wstring::npos) << Narrow(clause);
    }
    // Two clauses: the three-clause licence's endorsement clause is absent.
    EXPECT_EQ(licence.find(L"\r\n3. "), std::wstring::npos);
    EXPECT_EQ(licence.find(L"endorse"), std::wstring::npos);
    // The edit box shows lines only where CR LF separates them.
    EXPECT_TRUE(HasOnlyCrLfLineBreaks(licence));
}

TEST(EnglishTable, TextsFitTheirControls) {
    const Language& english = FindLanguage("en");
    for (const WidthLimit& limit : kWidthLimits) {
        const wchar_t* text = TextOf(english, limit.key);
        ASSERT_NE(text, nullptr) << Narrow(limit.key);
        EXPECT_LE(DisplayWidth(text), limit.width) << Narrow(limit.key);
    }
}

TEST(UntranslatedTables, HoldOneEmptyPair) {
    for (const char* code : {"in", "ms", "it", "pl", "de"}) {
        const Language& language = FindLanguage(code);
        ASSERT_EQ(language.stringCount, 1) << code;
        EXPECT_STREQ(language.strings[0].key, L"") << code;
        EXPECT_STREQ(language.strings[0].text, L"") << code;
    }
}

// How to recognise each translated language's own writing.
struct TranslatedLanguage {
    const char* isoCode;
    bool (*isOwnScript)(wchar_t);  // null: Latin script
};

void PrintTo(const TranslatedLanguage& language, std::ostream* out) { *out << language.isoCode; }

bool IsArabicScript(wchar_t c) { return c >= 0x0600 && c <= 0x06FF; }
bool IsThai(wchar_t c) { return c >= 0x0E00 && c <= 0x0E7F; }
bool IsCyrillic(wchar_t c) { return c >= 0x0400 && c <= 0x04FF; }
bool IsKana(wchar_t c) { return c >= 0x3040 && c <= 0x30FF; }
bool IsIdeograph(wchar_t c) { return c >= 0x4E00 && c <= 0x9FFF; }
bool IsJapanese(wchar_t c) { return IsKana(c) || IsIdeograph(c); }
bool IsHangul(wchar_t c) { return c >= 0xAC00 && c <= 0xD7A3; }

const TranslatedLanguage kTranslatedLanguages[] = {
    {"ar", IsArabicScript}, {"pt_br", nullptr}, {"th", IsThai},     {"fa", IsArabicScript},
    {"es", nullptr},        {"tr", nullptr},    {"ja", IsJapanese}, {"ko", IsHangul},
    {"ru", IsCyrillic},     {"fr", nullptr},    {"zh", IsIdeograph}, {"vi", nullptr},
};

// One pair of a translated table with the English it translates.
struct Translation {
    std::wstring key;
    std::wstring text;
    std::wstring english;
};

class TranslatedTable : public ::testing::TestWithParam<TranslatedLanguage> {
protected:
    const Language& language() const { return FindLanguage(GetParam().isoCode); }
    std::vector<Translation> Translations() const {
        std::vector<Translation> translations;
        const Language& table = language();
        for (int32_t i = 0; i < table.stringCount; ++i) {
            translations.push_back({table.strings[i].key, table.strings[i].text, EnglishOf(table.strings[i].key)});
        }
        return translations;
    }
};

TEST_P(TranslatedTable, HasTheFortySixKeysInOrder) {
    const Language& table = language();
    ASSERT_EQ(table.stringCount, static_cast<int32_t>(std::size(kTranslatedKeys)));
    for (int32_t i = 0; i < table.stringCount; ++i) {
        ASSERT_NE(table.strings[i].key, nullptr) << i;
        EXPECT_STREQ(table.strings[i].key, kTranslatedKeys[i]) << i;
        ASSERT_NE(table.strings[i].text, nullptr) << Narrow(kTranslatedKeys[i]);
    }
}

TEST_P(TranslatedTable, EveryTextIsTranslated) {
    for (const auto& [key, text, english] : Translations()) {
        SCOPED_TRACE(Narrow(key));
        ASSERT_FALSE(english.empty());
        ASSERT_FALSE(text.empty());
        EXPECT_FALSE(std::iswspace(text.front()) || std::iswspace(text.back())) << "no leading or trailing space";
        if (IsName(key)) {
            EXPECT_EQ(text, english);
            continue;
        }
        EXPECT_NE(text, english);
        if (GetParam().isOwnScript != nullptr) {
            EXPECT_TRUE(std::any_of(text.begin(), text.end(), GetParam().isOwnScript)) << "written in its script";
        } else {
            const std::set<std::wstring> words = Words(WithoutNames(text));
            for (const wchar_t* englishWord : kEnglishOnlyWords) {
                EXPECT_EQ(words.count(englishWord), 0u) << "English word " << Narrow(englishWord);
            }
        }
    }
}

TEST_P(TranslatedTable, KeepsPlaceholdersMnemonicsNamesAndLineBreaks) {
    for (const auto& [key, text, english] : Translations()) {
        SCOPED_TRACE(Narrow(key));
        EXPECT_EQ(Placeholders(text), Placeholders(english));
        EXPECT_EQ(CountMnemonics(text), CountMnemonics(english));
        EXPECT_NE(text.back(), L'&') << "a mnemonic marks a character";
        if (english.find(L"Zanvo") != std::wstring::npos) {
            EXPECT_NE(text.find(L"Zanvo"), std::wstring::npos) << "the product's name stays";
        }
        EXPECT_TRUE(HasOnlyCrLfLineBreaks(text));
        // Windows expects precomposed letters (a Vietnamese "e" with its marks
        // is one character), not a letter followed by combining marks.
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x0300 && c <= 0x036F; }));
    }
}

TEST_P(TranslatedTable, LicenceNamesTheMakerAndKeepsItsParagraphs) {
    const std::wstring licence = TextOf(language(), L"IDC_EDIT_LICENSE");
    const std::wstring english = TextOf(FindLanguage("en"), L"IDC_EDIT_LICENSE");
    EXPECT_NE(licence.find(L"Kelvarion Ltd"), std::wstring::npos);
    const auto paragraphs = [](const std::wstring& text) {
        size_t count = 0;
        for (size_t at = text.find(L"\r\n\r\n"); at != std::wstring::npos; at = text.find(L"\r\n\r\n", at + 4)) {
            ++count;
        }
        return count;
    };
    EXPECT_EQ(paragraphs(licence), paragraphs(english));
}

TEST_P(TranslatedTable, TextsFitTheirControls) {
    const Language& table = language();
    for (const WidthLimit& limit : kWidthLimits) {
        const wchar_t* text = TextOf(table, limit.key);
        ASSERT_NE(text, nullptr) << Narrow(limit.key);
        EXPECT_LE(DisplayWidth(text), limit.width) << Narrow(limit.key);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedTable, ::testing::ValuesIn(kTranslatedLanguages),
                         [](const ::testing::TestParamInfo<TranslatedLanguage>& info) {
                             return std::string(info.param.isoCode);
                         });

TEST(TranslatedTables, PersianAndArabicUseTheirOwnLetterForms) {
    // Persian writes yeh and kaf as U+06CC and U+06A9; Arabic as U+064A and
    // U+0643. Mixing them up is the commonest fault of a Persian text.
    const auto contains = [](const Language& language, wchar_t letter) {
        for (int32_t i = 0; i < language.stringCount; ++i) {
            if (std::wstring(language.strings[i].text).find(letter) != std::wstring::npos) return true;
        }
        return false;
    };
    const Language& persian = FindLanguage("fa");
    const Language& arabic = FindLanguage("ar");
    EXPECT_FALSE(contains(persian, L'\u064A'));
    EXPECT_FALSE(contains(persian, L'\u0643'));
    EXPECT_TRUE(contains(persian, L'\u06CC'));
    EXPECT_FALSE(contains(arabic, L'\u06CC'));
    EXPECT_FALSE(contains(arabic, L'\u06A9'));
    EXPECT_TRUE(contains(arabic, L'\u064A'));
}

TEST(TranslatedTables, ChineseHasNoJapaneseKana) {
    const Language& chinese = FindLanguage("zh");
    for (int32_t i = 0; i < chinese.stringCount; ++i) {
        const std::wstring text = chinese.strings[i].text;
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), IsKana)) << Narrow(chinese.strings[i].key);
    }
}

}  // namespace
