// The translation pass over a dialog's controls, on real windows.
//
// Windows need a desktop, and the test prefix may have none (no X display).
// So the window cases run in a second copy of this program, started on a
// desktop of Wine's null display driver ("explorer /desktop=NAME,SIZE,null
// PROGRAM"), and the first copy checks that copy's report.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/test_support.h"
#include "ui/localizer.h"

namespace {

constexpr wchar_t kOnOwnDesktop[] = L"ZANVO_LOCALIZER_TESTS_ON_OWN_DESKTOP";

bool OnOwnDesktop() { return GetEnvironmentVariableW(kOnOwnDesktop, nullptr, 0) > 0; }

std::wstring TextOf(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

// A popup standing in for a dialog, with controls created on demand.
class ControlTranslation : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnOwnDesktop()) {
            GTEST_SKIP() << "runs in the copy on its own desktop (TranslateControls.OnOwnDesktop)";
        }
        dialog_ = CreateWindowExW(0, L"STATIC", L"IDC_BUTTON_NEXT", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
    }
    HWND AddControl(const wchar_t* className, const std::wstring& text, HWND parent = nullptr) {
        HWND control = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                                       parent ? parent : dialog_, nullptr, nullptr, nullptr);
        EXPECT_NE(control, nullptr);
        return control;
    }

    HWND dialog_ = nullptr;
};

TEST_F(ControlTranslation, ControlTextsThatAreKeys) {
    struct Case {
        const char* name;
        const wchar_t* className;
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"first of two pairs with one key", L"BUTTON", L"IDC_BUTTON_INSTALL", L"&Install >"},
        {"static text", L"STATIC", L"IDC_FIRST_SCREEN_TEXT",
         L"Most friendly and simple software to open and create archives"},
        {"check box", L"BUTTON", L"IDC_CHECK_STATS", L"I agree to send statistical data to make Zanvo better"},
        {"other letter case", L"BUTTON", L"idc_button_next", L"idc_button_next"},
        {"template key in no table", L"BUTTON", L"IDC_RADIOPF", L"IDC_RADIOPF"},
        {"plain text", L"STATIC", L"Zanvo", L"Zanvo"},
        {"empty text", L"STATIC", L"", L""},
    };
    std::vector<HWND> controls;
    for (const Case& c : cases) controls.push_back(AddControl(c.className, c.text));

    Localizer::Instance().TranslateControls(dialog_);

    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(TextOf(controls[i]), cases[i].expected) << cases[i].name;
    }
    // The pass covers the controls, not the dialog's own caption.
    EXPECT_EQ(TextOf(dialog_), L"IDC_BUTTON_NEXT");
}

TEST_F(ControlTranslation, ControlsInsideControlsAreTranslatedToo) {
    HWND group = AddControl(L"STATIC", L"IDC_GRB_DESTINATION");
    HWND inner = AddControl(L"BUTTON", L"IDC_BUTTON_NEXT", group);
    HWND innermost = AddControl(L"STATIC", L"IDC_BUTTON_FINISH", inner);

    Localizer::Instance().TranslateControls(dialog_);

    EXPECT_EQ(TextOf(group), L"Destination Folder");
    EXPECT_EQ(TextOf(inner), L"Install >");
    EXPECT_EQ(TextOf(innermost), L"&Finish");
}

TEST_F(ControlTranslation, LongTextsAreNeverKeys) {
    // Control texts are read 126 characters at most; a longer one whose
    // beginning spells a key must not be replaced.
    const std::wstring longKey = L"IDC_" + std::wstring(122, L'K');
    ASSERT_EQ(longKey.size(), 126u);
    const StringPair pairs[] = {{longKey.c_str(), L"translated"}};
    const Language language = {pairs, 1, 1, L"Test", "xx"};
    Localizer localizer;
    localizer.AddLanguage(language);

    HWND exact = AddControl(L"STATIC", longKey);
    HWND oneLonger = AddControl(L"STATIC", longKey + L"X");
    HWND muchLonger = AddControl(L"STATIC", longKey + std::wstring(200, L'K'));

    localizer.TranslateControls(dialog_);

    EXPECT_EQ(TextOf(exact), L"translated");
    EXPECT_EQ(TextOf(oneLonger), longKey + L"X");
    EXPECT_EQ(TextOf(muchLonger), longKey + std::wstring(200, L'K'));
}

int CountTests(const char* suiteName) {
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    for (int i = 0; i < unit.total_test_suite_count(); ++i) {
        if (std::string(unit.GetTestSuite(i)->name()) == suiteName) {
            return unit.GetTestSuite(i)->total_test_count();
        }
    }
    return 0;
}

TEST(TranslateControls, OnOwnDesktop) {
    if (OnOwnDesktop()) {
        GTEST_SKIP() << "this is the copy";
    }
    // The copy inherits the environment through explorer.
    SetEnvironmentVariableW(kOnOwnDesktop, L"1");
    const std::wstring desktop = L"zanvo-localizer-" + std::to_wstring(GetCurrentProcessId());
    const ProcessOutput copy = RunProcess(L"explorer.exe /desktop=" + desktop + L",640x480,null \"" + ProgramPath() +
                                          L"\" --gtest_filter=ControlTranslation.*");
    SetEnvironmentVariableW(kOnOwnDesktop, nullptr);

    // explorer does not pass the exit code on, so the report decides.
    const std::string passed = "[  PASSED  ] " + std::to_string(CountTests("ControlTranslation")) + " test";
    EXPECT_NE(copy.out.find(passed), std::string::npos) << copy.out;
    EXPECT_EQ(copy.out.find("[  FAILED  ]"), std::string::npos) << copy.out;
    EXPECT_EQ(copy.out.find("[  SKIPPED ]"), std::string::npos) << copy.out;
}

}  // namespace
