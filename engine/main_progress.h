#pragma once
// The progress record shared by a processor, its handlers and the screen that
// polls it: counts, the current action's description and bytes, the abort
// request and the handler being executed.
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <string_view>

#include "common/ci_string.h"

class CTagHandler;

// What an action is doing; selects the description template and the phase.
enum ActionKind : int {
    ACTION_COPY = 0,
    ACTION_MOVE = 1,
    ACTION_DELETE = 2,
    ACTION_CONNECT = 3,
    ACTION_DOWNLOAD = 4,
    ACTION_EXTRACT = 5,
    ACTION_TERMINATE = 6,
    ACTION_LAUNCH = 7,
    ACTION_REGISTRY = 8,
    ACTION_LINK = 9,
    ACTION_CREATE_DIR = 10,
};

// Throws the integer RESULT_ABORTED when an abort was requested, clearing the
// request, so the abort unwinds to the processor's Run exactly once.
void CheckAbort(std::atomic<int32_t>& abortState);

class ProgressLevel {
public:
    explicit ProgressLevel(std::atomic<int32_t>& abortState) : abortState_(abortState) {}

    // Recursive: a tag may hold it across Reset and Describe, and the status
    // line takes it again for each copy.
    std::recursive_mutex& Lock() { return lock_; }

    void Reset();
    void Describe(int kind, std::initializer_list<std::wstring_view> texts);
    void SetTotal(int64_t n);
    void AddTotal(int64_t n);
    void AddDone(int64_t n);
    void SetState(int32_t value);
    void SetCode(int32_t value);
    void SetItemName(std::wstring_view name);
    void SetTargetPath(std::wstring_view path);

    int32_t State() const;
    int32_t Code() const;
    int64_t Total() const;
    int64_t Done() const;
    CiString ActionText() const;
    CiString PhaseText() const;
    CiString ItemName() const;
    CiString GetTargetPath() const;

private:
    mutable std::recursive_mutex lock_;
    int32_t state_ = 0;
    int32_t code_ = 0;
    CiString actionText_;
    CiString phaseText_;
    CiString itemName_;
    CiString targetPath_;
    int64_t total_ = 0;
    int64_t done_ = 0;
    std::atomic<int32_t>& abortState_;
};

struct CMainProgress {
    CMainProgress() : action(abortState) {}
    CMainProgress(const CMainProgress&) = delete;
    CMainProgress& operator=(const CMainProgress&) = delete;

    // Guards `current` and the attributes of the handler it names while they
    // are expanded (see CTagHandler::Execute).
    std::recursive_mutex mainLock;
    std::atomic<int32_t> abortState{0};
    ProgressLevel action;
    std::atomic<int32_t> processed{0};
    std::atomic<int32_t> counted{0};
    CTagHandler* current = nullptr;
};

// The description of an action kind with its texts put in, cut to 1023
// characters; the phase the kind belongs to.
CiString DescribeAction(int kind, std::initializer_list<std::wstring_view> texts);
const wchar_t* ActionPhase(int kind);
