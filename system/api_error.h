#pragma once
// The error box for a Windows call that failed during an elevated relaunch,
// with three trace lines on standard output for support.
#include <windows.h>

#include <string>

struct ApiErrorReport {
    std::string trace;     // the three trace lines, UTF-8
    std::wstring message;  // the system's text for the code, or "error code: ..."
};

// What ShowApiError prints and shows for `code` after `apiName` failed.
ApiErrorReport BuildApiErrorReport(const std::wstring& apiName, DWORD code);

// Call right after `apiName` failed: reports GetLastError() and waits for OK.
void ShowApiError(const std::wstring& apiName);
