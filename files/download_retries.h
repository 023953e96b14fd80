#pragma once
// Insists on a download: series of three attempts one second apart and,
// after each failed series, the user's choice between Retry and Cancel.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/main_progress.h"

enum class RetryAnswer { Retry, Cancel };

// The question's text (not translated).
extern const wchar_t kConnectionQuestionText[];

// The question asked after a failed series, on the thread that downloads.
// The installer shows the connection message box; zanvo-run asks on the
// console; tests answer themselves.
using RetryQuestion = std::function<RetryAnswer()>;

// Installs the question for the whole process; an empty function brings the
// message box back.
void SetRetryQuestion(RetryQuestion question);

// How a download's attempts reach the statistics counters.
struct AttemptCounting {
    // downloadfile counts (attempts, and the user's retries under "rr");
    // copyfile does not.
    bool enabled = false;
    // attempt_val: the counter that receives the number of attempts.
    std::wstring selector;
};

// Downloads `src` (an "http://" or "https://" address) to `dst` until an
// attempt succeeds or the user cancels; returns the last attempt's result.
// A `sha256` that is not empty must be 64 hexadecimal digits (else
// RESULT_ATTRIBUTE_NOT_SUPPORTED and no attempt). Sends the error report on
// Retry and the cancel report on Cancel. The user's abort is thrown.
int32_t DownloadWithRetries(const std::wstring& src, const std::wstring& dst, ProgressLevel& level,
                            const AttemptCounting& counting, const std::wstring& sha256 = std::wstring());
