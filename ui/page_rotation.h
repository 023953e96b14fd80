#pragma once
// The web pages the progress screen shows in turn. A page is shown only after
// its address answered a connection check, and the checks run on a thread of
// their own: a slow network must not freeze the wizard.
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

class PageRotation {
public:
    // The four pages below the vendor service.
    PageRotation();

    // The first page's check, at the screen's start.
    void CheckFirstPage(HWND dialog);
    // The page rotation's tick: checks the page after the one shown last,
    // unless a check is still waiting for the network.
    void CheckNextPage(HWND dialog);
    // The check's tick: once the answer is in, shows the page when it
    // answered (counting a rotation) and stops the tick.
    void OnCheckTick(HWND dialog, HWND browserHost);

    int32_t PageCount() const { return pageCount_; }
    static std::wstring PageAddress(int page);

private:
    struct Check {
        std::wstring address;
        bool rotation = false;
        std::atomic<bool> done{false};
        std::atomic<bool> reachable{false};
    };
    void Start(HWND dialog, const std::wstring& address, bool rotation);

    int32_t pageCount_ = 0;
    // Shared with the checking thread, which may outlive the screen.
    std::shared_ptr<Check> check_;
};
