#include "system/api_error.h"

#include <cstdio>

#include "common/result_codes.h"
#include "common/text_conversion.h"

namespace {

const wchar_t kCaption[] = L"Zanvo Archiver";

std::string FormatLine(const char* pattern, const std::string& value) {
    char line[2048];
    snprintf(line, sizeof(line), pattern, value.c_str());
    return line;
}

}  // namespace

ApiErrorReport BuildApiErrorReport(const std::wstring& apiName, DWORD code) {
    ApiErrorReport report;
    // The system's text, or the code itself when the system has none.
    report.message = ErrorText(static_cast<int32_t>(code));
    while (!report.message.empty() && (report.message.back() == L'\n' || report.message.back() == L'\r' ||
                                       report.message.back() == L' ')) {
        report.message.pop_back();
    }
    report.trace = FormatLine("ERROR: API        = %s.\n", WideToUtf8(apiName)) +
                   FormatLine("       error code = %s.\n", std::to_string(static_cast<int32_t>(code))) +
                   FormatLine("       message    = %s.\n", WideToUtf8(report.message));
    return report;
}

void ShowApiError(const std::wstring& apiName) {
    const ApiErrorReport report = BuildApiErrorReport(apiName, GetLastError());
    fwrite(report.trace.data(), 1, report.trace.size(), stdout);
    fflush(stdout);
    MessageBoxW(nullptr, report.message.c_str(), kCaption, MB_OK);
}
