#include "ui/page_rotation.h"

#include <wininet.h>

#include <thread>

#include "system/service_url.h"
#include "ui/browser_host.h"
#include "ui/window_messages.h"

PageRotation::PageRotation() = default;

std::wstring PageRotation::PageAddress(int page) {
    return ServiceBaseUrl() + L"/builtin/installers/page" + std::to_wstring(page) + L".jsp";
}

void PageRotation::CheckFirstPage(HWND dialog) { Start(dialog, PageAddress(1), false); }

void PageRotation::CheckNextPage(HWND dialog) {
    if (check_) {
        return;  // the last check has no answer yet
    }
    // After page 1 at the start: 2, 3, 4, 1, 2 and so on.
    static constexpr int kNextPage[4] = {2, 3, 4, 1};
    Start(dialog, PageAddress(kNextPage[pageCount_ % 4]), true);
}

void PageRotation::Start(HWND dialog, const std::wstring& address, bool rotation) {
    auto check = std::make_shared<Check>();
    check->address = address;
    check->rotation = rotation;
    check_ = check;
    std::thread([check] {
        check->reachable = InternetCheckConnectionW(check->address.c_str(), FLAG_ICC_FORCE_CONNECTION, 0) != FALSE;
        check->done = true;
    }).detach();
    SetTimer(dialog, TIMER_PAGE_CHECK, TIMER_PAGE_CHECK_PERIOD_MS, nullptr);
}

void PageRotation::OnCheckTick(HWND dialog, HWND browserHost) {
    if (!check_ || !check_->done) {
        return;
    }
    KillTimer(dialog, TIMER_PAGE_CHECK);
    const std::shared_ptr<Check> check = std::move(check_);
    if (!check->reachable) {
        return;  // the same page is tried again at the next tick
    }
    NavigateBrowser(browserHost, check->address);
    if (check->rotation) {
        ++pageCount_;
    }
}
