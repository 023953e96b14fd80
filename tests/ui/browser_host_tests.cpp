// The browser host: embedding into a static control, navigating, unembedding,
// and a host window that has no browser.
#include <windows.h>

#include <objbase.h>
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"
#include "ui/browser_host.h"

namespace {

class BrowserHost : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(BrowserHost, AWindowWithoutBrowserIsLeftAlone) {
    TemplateDialog dialog(IDD_INSTALL_PROGRESS);
    HWND host = dialog.Control(IDC_PROGRESS_BROWSER_HOST);
    EXPECT_EQ(NavigateBrowser(host, L"http://127.0.0.1/builtin/installers/page1.jsp"), BROWSER_NOT_EMBEDDED);
    UnembedBrowser(host);
    EXPECT_EQ(GetWindowLongPtrW(host, GWLP_USERDATA), 0);
}

TEST_F(BrowserHost, EmbedsIntoTheProgressScreensFrameAndLetsGoAgain) {
    TemplateDialog dialog(IDD_INSTALL_PROGRESS);
    HWND host = dialog.Control(IDC_PROGRESS_BROWSER_HOST);
    ASSERT_EQ(EmbedBrowser(host), BROWSER_OK);
    EXPECT_NE(GetWindowLongPtrW(host, GWLP_USERDATA), 0);
    HWND page = GetWindow(host, GW_CHILD);
    ASSERT_NE(page, nullptr) << "the browser's window sits inside the frame";
    RECT hostArea;
    RECT pageArea;
    GetClientRect(host, &hostArea);
    GetWindowRect(page, &pageArea);
    EXPECT_EQ(pageArea.right - pageArea.left, hostArea.right);
    EXPECT_EQ(pageArea.bottom - pageArea.top, hostArea.bottom);
    EXPECT_EQ(NavigateBrowser(host, L"about:blank"), BROWSER_OK);

    UnembedBrowser(host);
    EXPECT_EQ(GetWindowLongPtrW(host, GWLP_USERDATA), 0);
    // Once let go, the record is gone for good: no navigation reaches freed memory.
    EXPECT_EQ(NavigateBrowser(host, L"about:blank"), BROWSER_NOT_EMBEDDED);
    UnembedBrowser(host);
}

}  // namespace
