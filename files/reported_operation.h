#pragma once
// The pattern of every operation the user watches: the level is reset and
// describes the action, its state is 1 while the operation runs and 0 after.
#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <string_view>

#include "engine/main_progress.h"

template <class Operation>
int32_t RunReported(ProgressLevel& progress, int kind, std::initializer_list<std::wstring_view> texts,
                    Operation&& operation) {
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.Reset();
        progress.Describe(kind, texts);
        progress.SetState(1);
    }
    const int32_t result = operation();
    progress.SetState(0);
    return result;
}
