// ui_test_host: the wizard's main window with test screens made from the real
// templates, for the framework tests to drive from outside.
//
//   ui_test_host --log FILE [--tray] [--no-confirm] [--refuse-close] [--close-at-start] TEMPLATE[:CODE]...
//
// Every TEMPLATE:CODE is one WM_SWITCH_SCREEN, all posted before the message
// loop starts. What the framework calls is written to FILE, one line each:
// "create 133", "init 133", "next 133", "command 133 1062", "canclose 133",
// "destroy 133", "close", "abort forced=0 confirm=1 code=titl detail=", "end".
// A test screen's Background button (1060) turns tray mode off, as the
// progress screen does after a failure. --close-at-start posts WM_CLOSE
// before the loop runs, as a user closing the window at once would.
#include <windows.h>

#include <shellapi.h>

#include <deque>
#include <memory>
#include <string>

#include "common/text_conversion.h"
#include "resources/resource_ids.h"
#include "ui/main_window.h"
#include "ui/screen_base.h"
#include "ui/screen_registerer.h"

namespace {

HANDLE gLog = INVALID_HANDLE_VALUE;
bool gRefuseClose = false;

void Log(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(gLog, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

class RecordingMainWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    void OnClose() override { Log("close"); }
    void OnAbort(bool forced, bool confirmEnabled, const char* screenCode, const char* detail) override {
        Log("abort forced=" + std::to_string(forced) + " confirm=" + std::to_string(confirmEnabled) +
            " code=" + (screenCode ? screenCode : "(null)") + " detail=" + detail);
    }
};

class TestScreen : public Screen<TestScreen> {
public:
    TestScreen(MainWindow& owner, int32_t dialogId, const std::string& code)
        : Screen(owner, dialogId, code.c_str()), name_(std::to_string(dialogId)) {
        Log("create " + name_);
    }
    ~TestScreen() override { Log("destroy " + name_); }

    void OnInit(HWND) override {
        SetBackground(CreateSolidBrush(RGB(243, 243, 245)));
        Log("init " + name_);
    }
    void OnNext() override { Log("next " + name_); }
    void OnCommand(uint16_t id) override {
        Log("command " + name_ + " " + std::to_string(id));
        if (id == IDC_PROGRESS_BACKGROUND) {
            Owner().SetTrayMode(false);
        }
    }
    bool CanClose() override {
        Log("canclose " + name_);
        return !gRefuseClose;
    }

private:
    std::string name_;
};

class TestScreenRegisterer : public ScreenRegistererBase {
public:
    TestScreenRegisterer(int32_t dialogId, std::string code) : dialogId_(dialogId), code_(std::move(code)) {}
    std::unique_ptr<ScreenBase> Create(MainWindow& owner) const override {
        return std::make_unique<TestScreen>(owner, dialogId_, code_);
    }

private:
    int32_t dialogId_;
    std::string code_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool tray = false;
    bool noConfirm = false;
    bool closeAtStart = false;
    std::deque<TestScreenRegisterer> screens;  // stable addresses for the posted pointers
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--log" && i + 1 < count) {
            gLog = CreateFileW(arguments[++i], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        } else if (argument == L"--tray") {
            tray = true;
        } else if (argument == L"--no-confirm") {
            noConfirm = true;
        } else if (argument == L"--close-at-start") {
            closeAtStart = true;
        } else if (argument == L"--refuse-close") {
            gRefuseClose = true;
        } else {
            const size_t colon = argument.find(L':');
            screens.emplace_back(std::stoi(argument.substr(0, colon)),
                                 colon == std::wstring::npos ? std::string() : WideToUtf8(argument.substr(colon + 1)));
        }
    }
    LocalFree(arguments);

    // As the title screen leaves it for the screens after it.
    NextButtonId = IDC_TITLE_NEXT;
    RecordingMainWindow window(instance);
    window.SetTrayMode(tray);
    if (noConfirm) {
        window.DisableAbortConfirmation();
    }
    for (const TestScreenRegisterer& screen : screens) {
        window.PostSwitchScreen(screen);
    }
    if (closeAtStart) {
        PostMessageW(window.Window(), WM_CLOSE, 0, 0);
    }
    window.RunMessageLoop();
    Log("end");
    return 0;
}
