#pragma once
// What a user does to a running download: answer its Retry/Cancel question,
// or abort.
#include <functional>
#include <vector>

#include "engine/main_progress.h"
#include "files/download_retries.h"

// Answers the question from a list and counts how often it was asked.
// Outside such a scope a question fails the test and cancels: a test must
// never wait for a message box.
class ScriptedQuestion {
public:
    // `onAsk` runs before the n-th answer (n from 1) is given.
    explicit ScriptedQuestion(std::vector<RetryAnswer> answers, std::function<void(int)> onAsk = nullptr);
    ~ScriptedQuestion();
    ScriptedQuestion(const ScriptedQuestion&) = delete;
    ScriptedQuestion& operator=(const ScriptedQuestion&) = delete;
    int Asked() const { return asked_; }

private:
    std::vector<RetryAnswer> answers_;
    std::function<void(int)> onAsk_;
    int asked_ = 0;
};

struct AbortOutcome {
    int thrown = 0;  // the integer the work threw, 0 if none
    double seconds = 0;
};
// Runs `work`, requesting the user's abort on `progress` after `delayMs`.
AbortOutcome AbortAfter(CMainProgress& progress, unsigned long delayMs, const std::function<void()>& work);
