// Every screen template in the states its screen shows it, dressed with the
// screens' fonts and colours: each text fits its control, and a picture of
// each goes to the build's screenshot folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/text_conversion.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"
#include "tools/gui-driver/gui_driver.h"
#include "ui/hyperlink.h"
#include "ui/screen_registerer.h"

namespace {

class DressedScreen : public ScreenBase {
public:
    DressedScreen(MainWindow& owner, int dialogId, Look look) : ScreenBase(owner, dialogId, "test"), look_(look) {}
    void OnInit(HWND dialog) override {
        const HBRUSH brush = CreateSolidBrush(RGB(243, 243, 245));
        SetBackground(brush);
        SetControlBrush(IDC_FINISH_REBOOT_NOW, brush);
        SetControlBrush(IDC_FINISH_REBOOT_LATER, brush);
        DressScreen(dialog, DialogId(), look_);
    }

private:
    Look look_;
};

class DressedScreenRegisterer : public ScreenRegistererBase {
public:
    DressedScreenRegisterer(int dialogId, Look look) : dialogId_(dialogId), look_(look) {}
    std::unique_ptr<ScreenBase> Create(MainWindow& owner) const override {
        return std::make_unique<DressedScreen>(owner, dialogId_, look_);
    }

private:
    int dialogId_;
    Look look_;
};

struct LookCase {
    const wchar_t* name;
    int dialog;
    Look look;
};

const LookCase kLooks[] = {
    {L"title", IDD_TITLE, Look::TitleFreshAdministrator},
    {L"title_user_two_installations", IDD_TITLE, Look::TitleUserTwoCopies},
    {L"install_progress", IDD_INSTALL_PROGRESS, Look::Plain},
    {L"finish_reboot", IDD_FINISH_REBOOT, Look::Plain},
    {L"uninstall", IDD_UNINSTALL, Look::Plain},
    {L"uninstall_not_administrator", IDD_UNINSTALL, Look::UninstallNotAdministrator},
    {L"uninstall_done", IDD_UNINSTALL, Look::UninstallDone},
};


// How much room the control's text needs with the control's font, beyond
// the room it has; empty when it fits.
std::string Overflow(HWND control) {
    const std::wstring text = ReadText(control);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    const std::wstring kind = ClassOf(control);
    RECT room;
    GetClientRect(control, &room);
    UINT format = DT_CALCRECT;
    int reserved = 0;  // room the control keeps for itself
    if (kind == L"Static") {
        const DWORD type = style & SS_TYPEMASK;
        if (text.empty() || (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT)) {
            return std::string();
        }
        format |= DT_WORDBREAK;
    } else if (kind == L"Button") {
        const DWORD type = style & BS_TYPEMASK;
        const bool check = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
                           type == BS_RADIOBUTTON;
        reserved = check ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 2 * GetSystemMetrics(SM_CXEDGE) + 4;
        format |= DT_SINGLELINE;
    } else {
        return std::string();
    }
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, room.right - reserved, 0};
    DrawTextW(dc, text.c_str(), -1, &needed, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    if (needed.right <= room.right - reserved && needed.bottom <= room.bottom) {
        return std::string();
    }
    return "control " + std::to_string(GetDlgCtrlID(control)) + " \"" + WideToUtf8(text) + "\" needs " +
           std::to_string(needed.right + reserved) + " x " + std::to_string(needed.bottom) + " pixels, has " +
           std::to_string(room.right) + " x " + std::to_string(room.bottom);
}

BOOL CALLBACK CollectOverflow(HWND control, LPARAM found) {
    if (IsWindowVisible(control)) {
        const std::string overflow = Overflow(control);
        if (!overflow.empty()) {
            *reinterpret_cast<std::string*>(found) += overflow + "\n";
        }
    }
    return TRUE;
}

std::string OverflowIn(HWND dialog) {
    std::string found;
    EnumChildWindows(dialog, CollectOverflow, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(ScreenLooks, EveryTextFitsItsControlAndEveryScreenIsPictured) {
    for (const LookCase& c : kLooks) {
        const std::string name = WideToUtf8(c.name);
        MainWindow window(GetModuleHandleW(nullptr));
        window.ShowScreen(DressedScreenRegisterer(c.dialog, c.look));
        ASSERT_NE(window.CurrentScreen()->Window(), nullptr) << name;
        ShowWindow(window.Window(), SW_SHOWNORMAL);
        EXPECT_EQ(OverflowIn(window.CurrentScreen()->Window()), "") << name;
        EXPECT_FALSE(TakeScreenshot(c.name, window.Window()).empty()) << name;
    }
}

// The licence dialog's own procedure paints its header white; the stand-in
// here does the same for the picture.
INT_PTR CALLBACK LicenceProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_LICENSE_HEADER) {
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    return FALSE;
}

TEST(ScreenLooks, LicenceDialogOverTheTitleScreen) {
    MainWindow window(GetModuleHandleW(nullptr));
    window.ShowScreen(DressedScreenRegisterer(IDD_TITLE, Look::TitleFreshAdministrator));
    ShowWindow(window.Window(), SW_SHOWNORMAL);
    HWND licence = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LICENSE),
                                      window.CurrentScreen()->Window(), LicenceProc, 0);
    ASSERT_NE(licence, nullptr);
    DressScreen(licence, IDD_LICENSE, Look::Plain);
    ShowWindow(licence, SW_SHOW);
    EXPECT_EQ(OverflowIn(licence), "");
    EXPECT_FALSE(TakeScreenshot(L"licence", licence).empty());
    DestroyWindow(licence);
}

}  // namespace
