#include "system/statistics.h"

#include <windows.h>

#include <mutex>

#include "common/result_codes.h"
#include "engine/run_values.h"
#include "files/internet_handle.h"
#include "system/service_url.h"

namespace {

constexpr DWORD kPingLimitMs = 10000;
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

void LimitWaits(HINTERNET handle) {
    DWORD limit = kPingLimitMs;
    for (DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionW(handle, option, &limit, sizeof(limit));
    }
}

std::mutex g_identityLock;
ReportIdentity g_identity;

void SendOutcomeReport(OutcomeReport kind, std::wstring_view usage, std::wstring_view detail) {
    SendPing(
        BuildOutcomeReportUrl(ServiceBaseUrl(), kind, CurrentReportIdentity(), usage, detail, CurrentRunSummary()));
}

}  // namespace

int32_t SendPing(const std::wstring& url) {
    InternetHandle session(InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return LastErrorResult();
    }
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = 1;  // non-zero: point into the address
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlW(url.c_str(), 0, 0, &parts)) {
        return LastErrorResult();
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    const std::wstring object = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                                std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    // The limits are set on every handle on the way: some implementations
    // pass a session's limits down to its requests, others only take them on
    // the connection or the request itself.
    LimitWaits(session.get());
    InternetHandle connection(
        InternetConnectW(session.get(), host.c_str(), parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return LastErrorResult();
    }
    LimitWaits(connection.get());
    const DWORD flags = kRequestFlags | (parts.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    InternetHandle request(
        HttpOpenRequestW(connection.get(), L"GET", object.c_str(), nullptr, nullptr, nullptr, flags, 0));
    if (!request) {
        return LastErrorResult();
    }
    LimitWaits(request.get());
    if (!HttpSendRequestW(request.get(), nullptr, 0, nullptr, 0)) {
        return LastErrorResult();
    }
    return 0;
}

void SetReportIdentity(const ReportIdentity& identity) {
    std::lock_guard<std::mutex> guard(g_identityLock);
    g_identity = identity;
}

ReportIdentity CurrentReportIdentity() {
    std::lock_guard<std::mutex> guard(g_identityLock);
    return g_identity;
}

std::wstring CurrentRunSummary() {
    std::array<int32_t, 4> counters{};
    for (size_t i = 0; i < counters.size(); ++i) {
        counters[i] = AttemptCounters()[i].load();
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return BuildRunSummary(counters, ElapsedSeconds(StartTime(), local));
}

void SendLaunchReport() { SendPing(BuildLaunchReportUrl(ServiceBaseUrl(), CurrentReportIdentity())); }

void SendCancelReport(std::wstring_view usageCode, std::wstring_view detail) {
    SendOutcomeReport(OutcomeReport::Cancel, usageCode, detail);
}

void SendDownloadRetryReport() { SendOutcomeReport(OutcomeReport::Error, L"inpr", L"retre"); }

void SendDownloadCancelReport() { SendOutcomeReport(OutcomeReport::Cancel, L"inpr", L"cntni"); }
