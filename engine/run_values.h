#pragma once
// Run-time values the statistics reports carry: how many attempts the named
// downloads took, how often the user retried, and when the installer started.
#include <array>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <string_view>

// The counters xx, yy, zz and rr, in that order; zero at first.
std::array<std::atomic<int32_t>, 4>& AttemptCounters();

// Stores the count in the counter the selector names ("xx"/"XX", "yy"/"YY",
// "zz"/"ZZ", "rr"/"RR", searched anywhere in it, in that order of preference);
// any other selector stores nothing.
void StoreAttemptCount(std::wstring_view selector, int32_t count);

// The local time captured on the first call; the installer's identity is
// built first, so that is when it is taken.
const std::tm& StartTime();
