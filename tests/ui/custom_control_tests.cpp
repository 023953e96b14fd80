// Scaled fonts, links and the dialog hook that colours static texts, and the
// tray icon's window.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"
#include "tools/gui-driver/gui_driver.h"
#include "ui/control_font.h"
#include "ui/hyperlink.h"
#include "ui/screen_registerer.h"
#include "ui/tray_icon.h"
#include "ui/window_messages.h"

namespace {

WNDPROC ProcOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }
WNDPROC StoredProcOf(HWND window) { return reinterpret_cast<WNDPROC>(GetPropW(window, L"_Hyperlink_Original_Proc_")); }

void GiveFont(HWND control, LONG height, bool italic) {
    LOGFONTW font = ControlFont(control);
    font.lfHeight = height;
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfUnderline = TRUE;
    SetControlFont(control, font);
}

struct FontCase {
    float scale;
    bool bold;
    LONG height;
    LONG weight;
};

TEST(ScaledFont, ScalesTheHeightTowardZeroAndSetsTheWeight) {
    const FontCase cases[] = {
        {1.5f, true, -16, FW_BOLD}, {1.3f, false, -14, FW_NORMAL}, {1.2f, true, -13, FW_BOLD}, {0.9f, true, -9, FW_BOLD}};
    TemplateDialog dialog(IDD_TITLE);
    HWND control = dialog.Control(IDC_TITLE_SLOGAN);
    for (const FontCase& c : cases) {
        GiveFont(control, -11, true);
        CreateScaledFont(control, c.scale, c.bold);
        const LOGFONTW font = ControlFont(control);
        EXPECT_EQ(font.lfHeight, c.height) << c.scale;
        EXPECT_EQ(font.lfWeight, c.weight) << c.scale;
        EXPECT_EQ(font.lfItalic, 0) << c.scale;
    }
}

class Hyperlinks : public ::testing::Test {
protected:
    void SetUp() override {
        RecordedCalls() = ScreenCalls{};
        window_ = std::make_unique<RecordingMainWindow>();
        window_->ShowScreen(RegistererOf<RecordingScreen>());
        screen_ = window_->CurrentScreen();
        screen_->SetBackground(CreateSolidBrush(RGB(243, 243, 245)));
        dialog_ = screen_->Window();
    }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }

    // The text colour the dialog chooses for a control.
    COLORREF TextColorFor(HWND control, HBRUSH* brush = nullptr) const {
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(0, 128, 0));
        const LRESULT answer =
            SendMessageW(dialog_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        if (brush) {
            *brush = reinterpret_cast<HBRUSH>(answer);
        }
        return colour;
    }

    std::unique_ptr<RecordingMainWindow> window_;
    ScreenBase* screen_ = nullptr;
    HWND dialog_ = nullptr;
};

TEST_F(Hyperlinks, HookTheirDialogOnceHoweverManyThereAre) {
    const WNDPROC dialogProc = ProcOf(dialog_);
    const WNDPROC staticProc = ProcOf(Control(IDC_TITLE_LICENSE_LINK));
    MakeHyperlink(Control(IDC_TITLE_LICENSE_LINK), RGB(44, 44, 88), true);
    MakeHyperlink(Control(IDC_TITLE_LICENSE_SENTENCE), RGB(44, 44, 88), false);
    EXPECT_EQ(ProcOf(dialog_), HyperlinkParentProc);
    EXPECT_EQ(StoredProcOf(dialog_), dialogProc);
    for (int id : {IDC_TITLE_LICENSE_LINK, IDC_TITLE_LICENSE_SENTENCE}) {
        EXPECT_EQ(ProcOf(Control(id)), HyperlinkProc) << id;
        EXPECT_EQ(StoredProcOf(Control(id)), staticProc) << id;
        EXPECT_NE(GetWindowLongPtrW(Control(id), GWL_STYLE) & SS_NOTIFY, 0) << id;
    }
}

TEST_F(Hyperlinks, MakingTheSameLinkTwiceKeepsOneHook) {
    HWND link = Control(IDC_TITLE_LICENSE_LINK);
    const WNDPROC staticProc = ProcOf(link);
    MakeHyperlink(link, RGB(44, 44, 88), true);
    MakeHyperlink(link, RGB(44, 44, 88), true);
    EXPECT_EQ(StoredProcOf(link), staticProc);
    // A hook that were its own previous procedure would never return.
    EXPECT_EQ(SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
}

TEST_F(Hyperlinks, CopyTheFontWithoutUnderline) {
    HWND link = Control(IDC_TITLE_LICENSE_LINK);
    GiveFont(link, -11, false);
    MakeHyperlink(link, RGB(44, 44, 88), true);
    const LOGFONTW font = ControlFont(link);
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(font.lfItalic, TRUE);
    EXPECT_EQ(font.lfUnderline, FALSE);
}

TEST_F(Hyperlinks, ShowTheHandCursor) {
    HWND link = Control(IDC_TITLE_LICENSE_LINK);
    MakeHyperlink(link, RGB(44, 44, 88), true);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(Hyperlinks, ReportAClickToTheScreen) {
    MakeHyperlink(Control(IDC_TITLE_LICENSE_LINK), RGB(44, 44, 88), true);
    ClickControl(Control(IDC_TITLE_LICENSE_LINK));
    EXPECT_TRUE(WaitUntil(
        [] {
            for (const std::wstring& call : RecordedCalls().calls) {
                if (call == L"command 1052") {
                    return true;
                }
            }
            return false;
        },
        2000));
}

struct ColorCase {
    const char* name;
    int control;
    COLORREF colour;
};

TEST_F(Hyperlinks, HookedDialogDrawsEveryStaticTextInItsPropertyColourOrBlack) {
    MakeHyperlink(Control(IDC_TITLE_LICENSE_LINK), RGB(44, 44, 88), true);
    SetTextColorProperty(Control(IDC_TITLE_RED_NOT_ADMIN), RGB(255, 0, 0));
    const ColorCase cases[] = {
        {"the link", IDC_TITLE_LICENSE_LINK, RGB(44, 44, 88)},
        {"a red notice, not a link", IDC_TITLE_RED_NOT_ADMIN, RGB(255, 0, 0)},
        {"a static without colour", IDC_TITLE_SETUP_WIZARD_0, RGB(0, 0, 0)},
        {"a check box without colour", IDC_TITLE_CHECK_STATS, RGB(0, 0, 0)},
    };
    for (const ColorCase& c : cases) {
        HBRUSH brush = nullptr;
        EXPECT_EQ(TextColorFor(Control(c.control), &brush), c.colour) << c.name;
        EXPECT_EQ(brush, screen_->Background()) << c.name << ": the screen still picks the brush";
    }
}

TEST(TrayIcon, PressesOnTheIconBringTheWizardBack) {
    RecordingMainWindow window;
    ShowWindow(window.Window(), SW_SHOW);
    window.HideToTray();
    EXPECT_FALSE(IsWindowVisible(window.Window()));
    HWND tray = TrayIcon::Instance().Window();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(ClassOf(tray), L"TA_TrayNotifyWindow");
    EXPECT_FALSE(IsWindowVisible(tray));
    EXPECT_NE(GetWindowLongPtrW(tray, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    struct PressCase {
        const char* name;
        LPARAM mouse;
        bool restores;
    };
    const PressCase cases[] = {
        {"moving over it", WM_MOUSEMOVE, false},
        {"left button", WM_LBUTTONDOWN, true},
        {"right button", WM_RBUTTONDOWN, true},
        {"double click, at its first press", WM_LBUTTONDOWN, true},
    };
    for (const PressCase& c : cases) {
        window.HideToTray();
        SendMessageW(tray, WM_TRAY_NOTIFY, 1, c.mouse);
        EXPECT_EQ(IsWindowVisible(window.Window()) != FALSE, c.restores) << c.name;
    }
}

TEST(TrayIcon, TrayModeHidesOnCloseAndMinimise) {
    RecordingMainWindow window;
    ShowWindow(window.Window(), SW_SHOW);
    window.SetTrayMode(true);
    SendMessageW(window.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.Window()));
    EXPECT_TRUE(window.aborts.empty());
    SendMessageW(window.Window(), WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(window.Window()));

    ShowWindow(window.Window(), SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(window.Window()));
    SendMessageW(window.Window(), WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(window.Window()));
    EXPECT_FALSE(IsIconic(window.Window()));
}

}  // namespace
