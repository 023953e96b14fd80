#include "engine/run_values.h"

std::array<std::atomic<int32_t>, 4>& AttemptCounters() {
    static std::array<std::atomic<int32_t>, 4> counters{};
    return counters;
}

void StoreAttemptCount(std::wstring_view selector, int32_t count) {
    static const std::wstring_view kSelectors[4][2] = {
        {L"xx", L"XX"}, {L"yy", L"YY"}, {L"zz", L"ZZ"}, {L"rr", L"RR"}};
    for (size_t i = 0; i < 4; ++i) {
        if (selector.find(kSelectors[i][0]) != std::wstring_view::npos ||
            selector.find(kSelectors[i][1]) != std::wstring_view::npos) {
            AttemptCounters()[i] = count;
            return;
        }
    }
}

const std::tm& StartTime() {
    static const std::tm start = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_s(&local, &now);
        return local;
    }();
    return start;
}
