#include "tests/net/user_actions.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

RetryAnswer UnexpectedQuestion() {
    ADD_FAILURE() << "the download loop asked Retry/Cancel where no answer was expected";
    return RetryAnswer::Cancel;
}

const bool kUnexpectedQuestionInstalled = [] {
    SetRetryQuestion(UnexpectedQuestion);
    return true;
}();

}  // namespace

ScriptedQuestion::ScriptedQuestion(std::vector<RetryAnswer> answers, std::function<void(int)> onAsk)
    : answers_(std::move(answers)), onAsk_(std::move(onAsk)) {
    SetRetryQuestion([this] {
        ++asked_;
        if (onAsk_) {
            onAsk_(asked_);
        }
        if (asked_ > static_cast<int>(answers_.size())) {
            ADD_FAILURE() << "asked " << asked_ << " times, " << answers_.size() << " answers scripted";
            return RetryAnswer::Cancel;
        }
        return answers_[asked_ - 1];
    });
}

ScriptedQuestion::~ScriptedQuestion() { SetRetryQuestion(UnexpectedQuestion); }

AbortOutcome AbortAfter(CMainProgress& progress, unsigned long delayMs, const std::function<void()>& work) {
    std::thread user([&] {
        Sleep(delayMs);
        progress.abortState = 2;
    });
    AbortOutcome outcome;
    const auto start = std::chrono::steady_clock::now();
    try {
        work();
    } catch (int code) {
        outcome.thrown = code;
    }
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    user.join();
    return outcome;
}
