// The main window and the screens inside this test's own thread: creation
// order, switching, the screen dialog's dispatch and brushes, the quit
// procedure where it asks nothing, and the search for the default button.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"
#include "tools/gui-driver/gui_driver.h"
#include "ui/installer_main_window.h"
#include "ui/screen_registerer.h"
#include "ui/window_messages.h"

namespace {

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        RecordedCalls() = ScreenCalls{};
        NextButtonId = BackButtonId = CancelButtonId = -1;
    }
    void TearDown() override { NextButtonId = BackButtonId = CancelButtonId = -1; }

    // Lets the main window handle what was posted to it.
    static void Pump() { WaitUntil([] { return false; }, 50); }
    static std::vector<std::wstring>& Calls() { return RecordedCalls().calls; }
};

TEST_F(Framework, MainWindowCarriesTheProductNameAndIcon) {
    RecordingMainWindow window;
    ASSERT_NE(window.Window(), nullptr);
    EXPECT_EQ(ReadText(window.Window()), L"Zanvo Archiver");
    EXPECT_NE(SendMessageW(window.Window(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window.Window(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(window.CurrentScreen(), nullptr);
}

TEST_F(Framework, ScreenIsTranslatedBeforeItsInitAndSitsTopLeft) {
    RecordingMainWindow window;
    window.ShowScreen(RegistererOf<RecordingScreen>());
    EXPECT_EQ(Calls(), (std::vector<std::wstring>{L"create", L"init"}));
    EXPECT_EQ(RecordedCalls().nextTextAtInit, L"Install >");
    HWND dialog = window.CurrentScreen()->Window();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetParent(dialog), window.Window());
    const RECT place = PlaceInDialog(window.Window(), dialog);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
}

TEST_F(Framework, TwoSwitchesInARowShowOnlyTheSecondScreen) {
    RecordingMainWindow window;
    window.PostSwitchScreen(RegistererOf<RecordingScreen>());
    window.PostSwitchScreen(RegistererOf<RecordingFinishScreen>());
    ASSERT_TRUE(WaitUntil([] { return RecordedCalls().calls.size() >= 3; }, 5000));
    EXPECT_EQ(Calls(), (std::vector<std::wstring>{L"create", L"init", L"create finish"}));
    EXPECT_EQ(RecordedCalls().destroyed, 1);
    ASSERT_NE(window.CurrentScreen(), nullptr);
    EXPECT_EQ(window.CurrentScreen()->DialogId(), IDD_FINISH_REBOOT);
    HWND only = GetWindow(window.Window(), GW_CHILD);
    EXPECT_EQ(only, window.CurrentScreen()->Window());
    EXPECT_EQ(GetWindow(only, GW_HWNDNEXT), nullptr);
    EXPECT_NE(GetDlgItem(only, IDC_FINISH_INSTRUCTIONS), nullptr);
}

struct CommandCase {
    const char* name;
    WPARAM wParam;
    const wchar_t* call;  // null: the screen hears nothing
};

TEST_F(Framework, ScreenDialogSendsCommandsToTheirOperation) {
    NextButtonId = IDC_TITLE_NEXT;
    BackButtonId = 1008;
    CancelButtonId = IDC_PROGRESS_BACKGROUND;
    const CommandCase cases[] = {
        {"Next", MAKEWPARAM(IDC_TITLE_NEXT, 0), L"next"},
        {"Back", MAKEWPARAM(1008, 0), L"back"},
        {"Cancel", MAKEWPARAM(IDC_PROGRESS_BACKGROUND, 0), L"cancel"},
        {"another control", MAKEWPARAM(IDC_TITLE_CHECK_STATS, 0), L"command 1064"},
        {"an edit change", MAKEWPARAM(IDC_LICENSE_TEXT, EN_CHANGE), L"edit 1015"},
        {"another notification", MAKEWPARAM(IDC_TITLE_CHECK_STATS, BN_SETFOCUS), nullptr},
    };
    RecordingMainWindow window;
    window.ShowScreen(RegistererOf<RecordingScreen>());
    HWND dialog = window.CurrentScreen()->Window();
    for (const CommandCase& c : cases) {
        Calls().clear();
        SendMessageW(dialog, WM_COMMAND, c.wParam, 0);
        if (c.call) {
            EXPECT_EQ(Calls(), std::vector<std::wstring>{c.call}) << c.name;
        } else {
            EXPECT_TRUE(Calls().empty()) << c.name;
        }
    }
    Calls().clear();
    SendMessageW(dialog, WM_TIMER, TIMER_STATUS, 0);
    EXPECT_EQ(Calls(), std::vector<std::wstring>{L"timer 555444"});
}

TEST_F(Framework, UnsetButtonIdsMatchNoControlNotEvenMinusOne) {
    RecordingMainWindow window;
    window.ShowScreen(RegistererOf<RecordingScreen>());
    // A static with id -1 reports the 16-bit id 0xFFFF.
    SendMessageW(window.CurrentScreen()->Window(), WM_COMMAND, MAKEWPARAM(0xFFFF, 0), 0);
    EXPECT_EQ(Calls().back(), L"command 65535");
}

TEST_F(Framework, StaticControlsGetTheBrushRegisteredForThem) {
    RecordingMainWindow window;
    window.ShowScreen(RegistererOf<RecordingScreen>());
    ScreenBase& screen = *window.CurrentScreen();
    HWND dialog = screen.Window();
    const HBRUSH background = CreateSolidBrush(RGB(243, 243, 245));
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    screen.SetControlBrush(IDC_TITLE_SLOGAN, red);
    screen.SetControlBrush(IDC_TITLE_SLOGAN, blue);
    screen.SetControlBrush(IDC_TITLE_CHECK_STATS, kScreenBackgroundBrush);

    struct BrushCase {
        const char* name;
        int control;
        HBRUSH background;
        HBRUSH brush;
        int backgroundMode;
    };
    const BrushCase cases[] = {
        {"registered brush, the first one wins", IDC_TITLE_SLOGAN, background, red, OPAQUE},
        {"registered as the screen's background", IDC_TITLE_CHECK_STATS, background, background, OPAQUE},
        {"not registered", IDC_TITLE_LICENSE_LINK, background, background, TRANSPARENT},
        {"not registered, no background", IDC_TITLE_LICENSE_LINK, nullptr,
         static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), TRANSPARENT},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const BrushCase& c : cases) {
        screen.SetBackground(c.background);
        SetBkMode(dc, OPAQUE);
        const auto answer = reinterpret_cast<HBRUSH>(SendMessageW(
            dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(dialog, c.control))));
        EXPECT_EQ(answer, c.brush) << c.name;
        EXPECT_EQ(GetBkMode(dc), c.backgroundMode) << c.name;
    }
    DeleteDC(dc);
}

TEST_F(Framework, ScreenBackgroundFillsTheDialog) {
    RecordingMainWindow window;
    window.ShowScreen(RegistererOf<RecordingScreen>());
    window.CurrentScreen()->SetBackground(CreateSolidBrush(RGB(243, 243, 245)));
    HDC screenDc = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screenDc);
    HBITMAP bitmap = CreateCompatibleBitmap(screenDc, 8, 8);
    ReleaseDC(nullptr, screenDc);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_NE(SendMessageW(window.CurrentScreen()->Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(243, 243, 245));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

struct AbortCase {
    const char* name;
    bool withScreen;
    bool trayMode;
    bool forced;
    bool canClose;
    bool quits;
    const char* report;  // what OnAbort heard, null when it was not called
    bool hidden;
    bool askedScreen;
};

// Only the paths that ask no question; the question is driven from outside.
TEST_F(Framework, QuitProcedureWithoutQuestion) {
    const AbortCase cases[] = {
        {"forced", true, false, true, true, true, nullptr, false, false},
        {"tray mode hides instead", true, true, false, true, false, nullptr, true, false},
        {"tray mode hides even a forced quit", true, true, true, true, false, nullptr, true, false},
        {"unconfirmed quit reports and ends", true, false, false, true, true,
         "forced=0 confirm=0 code=titl detail=Download main_zanvo.zip", false, true},
        {"a screen that refuses keeps the program", true, false, false, false, false,
         "forced=0 confirm=0 code=titl detail=Download main_zanvo.zip", false, true},
        {"no screen yet", false, false, false, true, true, "forced=0 confirm=0 code=(null) detail=Download main_zanvo.zip",
         false, false},
    };
    for (const AbortCase& c : cases) {
        RecordedCalls() = ScreenCalls{};
        RecordedCalls().canClose = c.canClose;
        RecordingMainWindow window;
        if (c.withScreen) {
            window.ShowScreen(RegistererOf<RecordingScreen>());
        }
        ShowWindow(window.Window(), SW_SHOW);
        window.DisableAbortConfirmation();
        window.SetTrayMode(c.trayMode);
        window.SetCancelDetail(L"Download main_zanvo.zip");
        window.Abort(c.forced);
        EXPECT_EQ(window.QuitRequested(), c.quits) << c.name;
        if (c.report) {
            EXPECT_EQ(window.aborts, std::vector<std::string>{c.report}) << c.name;
        } else {
            EXPECT_TRUE(window.aborts.empty()) << c.name;
        }
        EXPECT_EQ(!IsWindowVisible(window.Window()), c.hidden) << c.name;
        const bool asked = !Calls().empty() && Calls().back() == L"canclose";
        EXPECT_EQ(asked, c.askedScreen) << c.name;
        window.RestoreFromTray();
    }
}

struct ReportCase {
    const char* name;
    bool forced;
    bool confirmEnabled;
    const char* screenCode;
    bool reported;
};

TEST(InstallerMainWindow, ReportsOnlyConfirmedQuitsOfScreensWithACode) {
    const ReportCase cases[] = {
        {"title screen", false, true, "titl", true},
        {"progress screen", false, true, "inpr", true},
        {"uninstall screen (empty code)", false, true, "", false},
        {"no screen", false, true, nullptr, false},
        {"finish screen (no confirmation)", false, false, "fnrb", false},
        {"forced", true, true, "titl", false},
    };
    for (const ReportCase& c : cases) {
        EXPECT_EQ(QuitIsReported(c.forced, c.confirmEnabled, c.screenCode), c.reported) << c.name;
    }
}

struct DefaultButtonCase {
    const char* name;
    int dialog;
    std::vector<int> hide;
    std::vector<int> show;
    std::vector<int> disable;
    int expected;
};

TEST(FindDefaultButton, FindsTheFirstEnabledVisibleWindowStyledAsDefault) {
    const DefaultButtonCase cases[] = {
        {"title: Next", IDD_TITLE, {}, {}, {}, IDC_TITLE_NEXT},
        {"title, Next disabled: the centred slogan, whose style bits read alike", IDD_TITLE, {}, {},
         {IDC_TITLE_NEXT}, IDC_TITLE_SLOGAN},
        {"progress: the smooth progress bar comes first", IDD_INSTALL_PROGRESS, {}, {}, {}, IDC_PROGRESS_BAR1},
        {"finish: Finish", IDD_FINISH_REBOOT, {}, {}, {}, IDC_FINISH_BUTTON},
        {"uninstall, waiting: none, the hidden OK holds the default", IDD_UNINSTALL, {}, {}, {}, 0},
        {"uninstall, done: OK",
         IDD_UNINSTALL,
         {IDC_UNINSTALL_START, IDC_UNINSTALL_ACTION, IDC_UNINSTALL_CAPTION, IDC_UNINSTALL_LEAVE_MESSAGE},
         {IDC_UNINSTALL_OK, IDC_UNINSTALL_DONE_TEXT},
         {},
         IDC_UNINSTALL_OK},
    };
    for (const DefaultButtonCase& c : cases) {
        TemplateDialog dialog(c.dialog);
        for (int id : c.hide) {
            ShowWindow(dialog.Control(id), SW_HIDE);
        }
        for (int id : c.show) {
            ShowWindow(dialog.Control(id), SW_SHOW);
        }
        for (int id : c.disable) {
            EnableWindow(dialog.Control(id), FALSE);
        }
        HWND mainDialog = GetParent(dialog.Window());
        ShowWindow(mainDialog, SW_SHOW);
        EXPECT_EQ(FindDefaultButton(mainDialog), c.expected) << c.name;
        ShowWindow(mainDialog, SW_HIDE);
        EXPECT_EQ(FindDefaultButton(mainDialog), 0) << c.name << ", window hidden";
    }
}

}  // namespace
