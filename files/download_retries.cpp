#include "files/download_retries.h"

#include <windows.h>

#include <atomic>
#include <mutex>

#include "common/result_codes.h"
#include "engine/run_values.h"
#include "files/downloader.h"
#include "files/sha256_digest.h"
#include "system/statistics.h"

namespace {

constexpr int kAttemptsPerSeries = 3;
constexpr DWORD kPauseMs = 1000;
constexpr DWORD kAbortCheckMs = 100;

// How often the user chose Retry, over every counted download of the run.
std::atomic<int32_t> g_retryCount{0};

std::mutex g_questionLock;

// Created on first use: a question may be installed during static
// initialisation of another file.
RetryQuestion& InstalledQuestion() {
    static RetryQuestion question;
    return question;
}

RetryAnswer AskWithMessageBox() {
    // No owner window: the wizard's window belongs to another thread.
    const int answer = MessageBoxW(nullptr, kConnectionQuestionText, L"Information", MB_RETRYCANCEL | MB_ICONWARNING);
    return answer == IDRETRY ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

RetryAnswer AskRetry() {
    RetryQuestion question;
    {
        std::lock_guard<std::mutex> guard(g_questionLock);
        question = InstalledQuestion();
    }
    return question ? question() : AskWithMessageBox();
}

// Sleeps in short slices so that the user's abort is not kept waiting.
void PauseUnlessAborted(ProgressLevel& level) {
    for (DWORD waited = 0; waited < kPauseMs; waited += kAbortCheckMs) {
        RaisePendingAbort(level);
        Sleep(kAbortCheckMs);
    }
    RaisePendingAbort(level);
}

}  // namespace

const wchar_t kConnectionQuestionText[] =
    L"Cannot establish connection and download required components. "
    L"Please check your internet connection and try again.";

void SetRetryQuestion(RetryQuestion question) {
    std::lock_guard<std::mutex> guard(g_questionLock);
    InstalledQuestion() = std::move(question);
}

int32_t DownloadWithRetries(const std::wstring& src, const std::wstring& dst, ProgressLevel& level,
                            const AttemptCounting& counting, const std::wstring& sha256) {
    if (!sha256.empty() && !IsSha256Text(sha256)) {
        return RESULT_ATTRIBUTE_NOT_SUPPORTED;
    }
    int32_t attempts = 0;
    int32_t result = RESULT_SUCCESS;
    for (;;) {
        for (int i = 0; i < kAttemptsPerSeries; ++i) {
            if (i > 0) {
                PauseUnlessAborted(level);
            }
            result = DownloadWithProgress(dst, level, src, sha256);
            ++attempts;
            if (counting.enabled) {
                StoreAttemptCount(counting.selector, attempts);
            }
            if (result == RESULT_SUCCESS) {
                break;
            }
        }
        if (result == RESULT_SUCCESS) {
            break;
        }
        RaisePendingAbort(level);
        if (AskRetry() != RetryAnswer::Retry) {
            SendDownloadCancelReport();
            break;
        }
        if (counting.enabled) {
            StoreAttemptCount(L"rr", ++g_retryCount);
        }
        SendDownloadRetryReport();
        PauseUnlessAborted(level);
    }
    if (counting.enabled) {
        StoreAttemptCount(counting.selector, attempts);
        StoreAttemptCount(L"rr", g_retryCount);
    }
    return result;
}
