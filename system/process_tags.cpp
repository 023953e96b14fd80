#include "system/process_tags.h"

#include <cwchar>

#include "system/process_kill.h"
#include "system/program_launch.h"

namespace {

constexpr int32_t kDefaultKillTimeoutMs = 5000;
const wchar_t kRegistrationProgram[] = L"regsvr32.exe";

int32_t ReadNumber(const CiString& text) { return static_cast<int32_t>(std::wcstol(text.c_str(), nullptr, 10)); }

}  // namespace

void CExecHandler::Process() {
    const CiString path = AttributeSlot(L"path");
    const CiString param = AttributeSlot(L"param");
    if (path.empty()) {
        return;
    }
    const int32_t timeoutMs = ReadNumber(AttributeSlot(L"timeout"));
    const bool hidden = AttributeSlot(L"hidden") == L"true";
    progress->action.Describe(ACTION_LAUNCH, {AsView(path), AsView(param)});
    result = RunProgram(ToWide(path), ToWide(param), timeoutMs, hidden, true);
}

void CRegdllHandler::Process() {
    const CiString path = AttributeSlot(L"path");
    const CiString param = AttributeSlot(L"param");
    if (path.empty()) {
        return;
    }
    std::wstring arguments = L"/s";
    if (!param.empty()) {
        arguments += L' ';
        arguments += AsView(param);
    }
    arguments += L" \"";
    arguments += AsView(path);
    arguments += L'"';
    progress->action.Describe(ACTION_LAUNCH, {kRegistrationProgram, arguments});
    result = RunProgram(kRegistrationProgram, arguments, kWaitForever, false, true);
}

void CKillprocessHandler::Process() {
    const CiString name = AttributeSlot(L"name");
    if (name.empty()) {
        return;
    }
    const CiString type = AttributeSlot(L"type");
    const bool askFirst = type.empty() || type == L"msg";
    int32_t timeoutMs = ReadNumber(AttributeSlot(L"timeout"));
    if (timeoutMs == 0) {
        timeoutMs = kDefaultKillTimeoutMs;
    }
    progress->action.Describe(ACTION_TERMINATE, {AsView(name)});
    result = KillProcessesByName(ToWide(name), askFirst, timeoutMs);
}
