// The wizard's main window in a program of its own (ui_test_host), driven
// from here the way a user would: keys, clicks, the quit question, the tray.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/test_support.h"
#include "tools/gui-driver/gui_driver.h"
#include "ui/window_messages.h"

namespace {

constexpr DWORD kWaitMs = 10000;
const wchar_t kQuestion[] = L"Are you sure you want to quit Zanvo Archiver Setup?";

class DrivenHost {
public:
    explicit DrivenHost(const std::wstring& arguments)
        : folder_(L"uihost"),
          log_(folder_ / L"calls.log"),
          process_(L"\"" + ProgramFolder() + L"\\ui_test_host.exe\" --log \"" + log_ + L"\" " + arguments) {
        // Found before any question appears, which has the same class and caption.
        main_ = WaitForTopWindow(process_.Id(), L"#32770", L"Zanvo Archiver", kWaitMs, true);
    }

    const DrivenProcess& Process() const { return process_; }
    HWND Main() const { return main_; }
    HWND Control(int id) const { return FindControl(main_, id); }
    bool Visible() const { return IsWindowVisible(main_) != FALSE; }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(ReadFileBytes(log_));
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
    size_t Count(const std::string& line) const {
        const std::vector<std::string> lines = Lines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }
    bool WaitForLine(const std::string& line, size_t times = 1) const {
        return WaitUntil([&] { return Count(line) >= times; }, kWaitMs);
    }

    // A key pressed while the given control (else whatever has the focus) is focused.
    void Press(UINT key, int controlId = 0) const {
        HWND target = controlId ? Control(controlId) : FocusOf(main_);
        PressKey(target ? target : GetWindow(main_, GW_CHILD), key);
    }

    // What the shell sends the tray window when the mouse does something to the icon.
    void MouseOnTrayIcon(LPARAM mouseMessage) const {
        HWND tray = WaitForTopWindow(process_.Id(), L"TA_TrayNotifyWindow", nullptr, kWaitMs, true);
        SendMessageW(tray, WM_TRAY_NOTIFY, 1, mouseMessage);
    }

private:
    TempDir folder_;
    std::wstring log_;
    DrivenProcess process_;
    HWND main_ = nullptr;
};

MessageBoxInfo ExpectQuitQuestion(const DrivenHost& host) {
    MessageBoxInfo box = WaitForMessageBox(host.Process().Id(), kWaitMs);
    EXPECT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, L"Zanvo Archiver");
    EXPECT_EQ(box.text, kQuestion);
    return box;
}

void ExpectEndsWith(const std::vector<std::string>& lines, const std::vector<std::string>& tail) {
    ASSERT_GE(lines.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(tail.size()), lines.end()), tail);
}

TEST(DrivenWizard, TwoSwitchesInARowShowOnlyTheSecondScreen) {
    DrivenHost host(L"--no-confirm 133:titl 139:fnrb");
    ASSERT_NE(host.Main(), nullptr);
    ASSERT_TRUE(host.WaitForLine("init 139"));
    EXPECT_EQ(host.Lines(), (std::vector<std::string>{"create 133", "init 133", "destroy 133", "create 139", "init 139"}));
    EXPECT_NE(host.Control(IDC_FINISH_INSTRUCTIONS), nullptr);
    EXPECT_EQ(host.Control(IDC_TITLE_LICENSE_SENTENCE), nullptr);

    // Without confirmation (the finish screen's way) Escape ends the program at once.
    host.Press(VK_ESCAPE);
    DWORD code = 1;
    ASSERT_TRUE(host.Process().WaitForExit(kWaitMs, &code)) << "no question may hold it up";
    EXPECT_EQ(code, 0u);
    ExpectEndsWith(host.Lines(), {"close", "abort forced=0 confirm=0 code=fnrb detail=", "canclose 139", "end"});
}

TEST(DrivenWizard, EnterPressesTheDefaultButtonWhereverTheFocusIs) {
    DrivenHost host(L"133:titl");
    ASSERT_TRUE(host.WaitForLine("init 133"));
    const int focusedControls[] = {IDC_TITLE_NEXT, IDC_TITLE_CHECK_EXTENSIONS, IDC_TITLE_RADIO_CHOOSE};
    size_t presses = 0;
    for (int control : focusedControls) {
        host.Press(VK_RETURN, control);
        EXPECT_TRUE(host.WaitForLine("next 133", ++presses)) << control;
    }
    EXPECT_EQ(SendMessageW(host.Control(IDC_TITLE_CHECK_EXTENSIONS), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(DrivenWizard, EscapeAsksAndOnlyYesQuits) {
    DrivenHost host(L"133:titl");
    ASSERT_TRUE(host.WaitForLine("init 133"));

    host.Press(VK_ESCAPE);
    MessageBoxInfo box = ExpectQuitQuestion(host);
    EXPECT_FALSE(TakeScreenshot(L"quit_question", box.window).empty());
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(host.Process().Running());
    EXPECT_TRUE(host.Visible());
    EXPECT_EQ(host.Count("abort forced=0 confirm=1 code=titl detail="), 0u);

    host.Press(VK_ESCAPE);
    box = ExpectQuitQuestion(host);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    DWORD code = 1;
    ASSERT_TRUE(host.Process().WaitForExit(kWaitMs, &code));
    EXPECT_EQ(code, 0u);
    ExpectEndsWith(host.Lines(), {"close", "abort forced=0 confirm=1 code=titl detail=", "canclose 133", "end"});
    EXPECT_EQ(host.Count("close"), 2u);
}

TEST(DrivenWizard, UninstallScreenQuitsWithAnEmptyCode) {
    DrivenHost host(L"143");
    ASSERT_TRUE(host.WaitForLine("init 143"));
    host.Press(VK_ESCAPE);
    ASSERT_TRUE(AnswerMessageBox(ExpectQuitQuestion(host), IDYES));
    ASSERT_TRUE(host.Process().WaitForExit(kWaitMs));
    ExpectEndsWith(host.Lines(), {"close", "abort forced=0 confirm=1 code= detail=", "canclose 143", "end"});
}

TEST(DrivenWizard, TrayModeHidesTheWizardInsteadOfQuitting) {
    DrivenHost host(L"--tray --refuse-close --close-at-start 138:inpr");
    ASSERT_NE(host.Main(), nullptr);
    ASSERT_TRUE(host.WaitForLine("init 138"));

    // Closed at once: hidden, and still hidden after the topmost state ended.
    ASSERT_TRUE(WaitUntil([&] { return !host.Visible(); }, kWaitMs));
    WaitUntil([] { return false; }, 800);
    EXPECT_FALSE(host.Visible());
    EXPECT_EQ(host.Count("close"), 0u);

    host.MouseOnTrayIcon(WM_MOUSEMOVE);
    EXPECT_FALSE(host.Visible());
    host.MouseOnTrayIcon(WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return host.Visible(); }, kWaitMs));

    // Enter finds the smooth progress bar first; the screen ignores its command.
    host.Press(VK_RETURN, IDC_PROGRESS_BACKGROUND);
    EXPECT_TRUE(host.WaitForLine("command 138 1034"));

    host.Press(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !host.Visible(); }, kWaitMs));
    EXPECT_EQ(WaitForMessageBox(host.Process().Id(), 500).window, nullptr);
    host.MouseOnTrayIcon(WM_RBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return host.Visible(); }, kWaitMs));

    PostMessageW(host.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !host.Visible(); }, kWaitMs));
    host.MouseOnTrayIcon(WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return host.Visible() && !IsIconic(host.Main()); }, kWaitMs));

    // With tray mode off (as after a failure) a quit is asked and confirmed,
    // but a screen that refuses keeps the program running.
    ClickButton(host.Control(IDC_PROGRESS_BACKGROUND));
    ASSERT_TRUE(host.WaitForLine("command 138 1060"));
    host.Press(VK_ESCAPE);
    ASSERT_TRUE(AnswerMessageBox(ExpectQuitQuestion(host), IDYES));
    ASSERT_TRUE(host.WaitForLine("canclose 138"));
    EXPECT_EQ(host.Count("abort forced=0 confirm=1 code=inpr detail="), 1u);
    EXPECT_FALSE(host.Process().WaitForExit(500));
    EXPECT_TRUE(host.Visible());
}

}  // namespace
