#include "system/process_kill.h"

#include <windows.h>
#include <tlhelp32.h>

#include <vector>

#include "common/ci_string.h"
#include "common/result_codes.h"
#include "files/unique_handle.h"

namespace {

constexpr int32_t kFallbackTimeoutMs = 3000;
constexpr DWORD kTerminatedExitCode = 2;

BOOL CALLBACK CloseWindowOfProcess(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

DWORD WaitTime(int32_t timeoutMs) { return timeoutMs == -1 ? INFINITE : static_cast<DWORD>(timeoutMs); }

bool WaitForAll(const std::vector<HANDLE>& handles, int32_t timeoutMs) {
    const DWORD wait =
        WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, WaitTime(timeoutMs));
    return wait < WAIT_OBJECT_0 + handles.size();
}

}  // namespace

int32_t KillProcessesByName(const std::wstring& name, bool askFirst, int32_t timeoutMs) {
    if (timeoutMs < 0 && timeoutMs != -1) {
        timeoutMs = kFallbackTimeoutMs;
    }
    int32_t result = ERROR_SUCCESS;
    const UniqueHandle snapshot = AdoptFileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return LastErrorResult();
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    if (!Process32FirstW(snapshot.get(), &entry)) {
        return LastErrorResult();
    }
    std::vector<UniqueHandle> kept;
    const CiString wanted = ToCi(name);
    do {
        if (entry.th32ProcessID == 0 || wanted != entry.szExeFile) {
            continue;
        }
        UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID));
        if (!process) {
            result = LastErrorResult();
            continue;
        }
        kept.push_back(std::move(process));
        if (askFirst) {
            EnumWindows(CloseWindowOfProcess, static_cast<LPARAM>(entry.th32ProcessID));
        }
    } while (Process32NextW(snapshot.get(), &entry));
    if (kept.empty()) {
        return result;
    }
    std::vector<HANDLE> handles;
    for (const UniqueHandle& process : kept) {
        handles.push_back(process.get());
    }

    if (askFirst) {
        const DWORD start = GetTickCount();
        const bool allEnded = WaitForAll(handles, timeoutMs);
        timeoutMs -= static_cast<int32_t>(GetTickCount() - start);
        if (timeoutMs < 0) {
            timeoutMs = kFallbackTimeoutMs;
        }
        if (allEnded) {
            return result;
        }
    }
    for (HANDLE process : handles) {
        TerminateProcess(process, kTerminatedExitCode);
    }
    return WaitForAll(handles, timeoutMs) ? ERROR_SUCCESS : WAIT_TIMEOUT;
}
