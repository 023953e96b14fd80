#pragma once
// A progress level for one call that must not disturb what the user sees,
// such as deleting the old copy of a file before it is replaced. It has its
// own abort state, so it never raises the user's abort either.
#include <atomic>
#include <cstdint>

#include "engine/main_progress.h"

class PrivateLevel {
public:
    PrivateLevel() : level_(abortState_) {}
    PrivateLevel(const PrivateLevel&) = delete;
    PrivateLevel& operator=(const PrivateLevel&) = delete;
    operator ProgressLevel&() { return level_; }

private:
    std::atomic<int32_t> abortState_{0};
    ProgressLevel level_;
};
