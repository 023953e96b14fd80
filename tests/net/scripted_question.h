#pragma once
// Answers the download loop's Retry/Cancel question from a list, as a user
// would, and counts how often it was asked. Outside such a scope a question
// fails the test and cancels: a test must never wait for a message box.
#include <functional>
#include <vector>

#include "files/download_retries.h"

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
