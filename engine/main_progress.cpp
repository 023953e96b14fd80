#include "engine/main_progress.h"

#include "common/result_codes.h"

namespace {

struct ActionTemplate {
    const wchar_t* text;
    const wchar_t* phase;
};

const wchar_t kInstalling[] = L"Installing...";
const wchar_t kDownloading[] = L"Downloading...";

const ActionTemplate kActionTemplates[] = {
    {L"Copy %s to %s", kInstalling},
    {L"Move %s to %s", kInstalling},
    {L"Delete %s", kInstalling},
    {L"Connect to %s", kDownloading},
    {L"Download %s", kDownloading},
    {L"Extract %s to %s", kInstalling},
    {L"Terminate process %s", kInstalling},
    {L"Launch %s %s", kInstalling},
    {L"Create reg entry %s = %s", kInstalling},
    {L"Create link %s for %s", kInstalling},
    {L"Create dir %s", kInstalling},
};
const ActionTemplate kUndefinedAction = {L"undefined action...", kInstalling};

const ActionTemplate& TemplateOf(int kind) {
    const int count = static_cast<int>(sizeof(kActionTemplates) / sizeof(kActionTemplates[0]));
    return (kind >= 0 && kind < count) ? kActionTemplates[kind] : kUndefinedAction;
}

constexpr size_t kMaxDescription = 1023;

}  // namespace

void CheckAbort(std::atomic<int32_t>& abortState) {
    int32_t requested = 2;
    if (abortState.compare_exchange_strong(requested, 0)) {
        throw static_cast<int>(RESULT_ABORTED);
    }
}

CiString DescribeAction(int kind, std::initializer_list<std::wstring_view> texts) {
    // Each %s takes the next text; the texts themselves are not scanned, so a
    // path holding "%s" stays as it is.
    const std::wstring_view pattern = TemplateOf(kind).text;
    CiString out;
    auto next = texts.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'%' && i + 1 < pattern.size() && pattern[i + 1] == L's') {
            if (next != texts.end()) {
                out.append(next->data(), next->size());
                ++next;
            }
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    if (out.size() > kMaxDescription) {
        out.resize(kMaxDescription);
    }
    return out;
}

const wchar_t* ActionPhase(int kind) { return TemplateOf(kind).phase; }

void ProgressLevel::Reset() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    state_ = 0;
    code_ = 0;
    total_ = 0;
    done_ = 0;
    actionText_.clear();
    itemName_.clear();
    targetPath_.clear();
}

void ProgressLevel::Describe(int kind, std::initializer_list<std::wstring_view> texts) {
    CiString text = DescribeAction(kind, texts);
    std::lock_guard<std::recursive_mutex> guard(lock_);
    actionText_ = std::move(text);
    phaseText_ = ActionPhase(kind);
}

void ProgressLevel::SetTotal(int64_t n) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    total_ = n;
    CheckAbort(abortState_);
}

void ProgressLevel::AddTotal(int64_t n) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    total_ += n;
}

void ProgressLevel::AddDone(int64_t n) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    done_ += n;
    CheckAbort(abortState_);
}

void ProgressLevel::SetState(int32_t value) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    state_ = value;
}

void ProgressLevel::SetCode(int32_t value) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    code_ = value;
}

void ProgressLevel::SetItemName(std::wstring_view name) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    itemName_ = ToCi(name);
}

void ProgressLevel::SetTargetPath(std::wstring_view path) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    targetPath_ = ToCi(path);
}

int32_t ProgressLevel::State() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return state_;
}

int32_t ProgressLevel::Code() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return code_;
}

int64_t ProgressLevel::Total() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return total_;
}

int64_t ProgressLevel::Done() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return done_;
}

CiString ProgressLevel::ActionText() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return actionText_;
}

CiString ProgressLevel::PhaseText() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return phaseText_;
}

CiString ProgressLevel::ItemName() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return itemName_;
}

CiString ProgressLevel::GetTargetPath() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return targetPath_;
}
