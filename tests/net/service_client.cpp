#include "tests/net/service_client.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <sstream>

#include "common/text_conversion.h"
#include "files/internet_handle.h"
#include "tests/support/test_support.h"

namespace {

std::wstring ReadServiceFile(const char* name) {
    const char* folder = std::getenv("ZANVO_NET_SERVICE_DIR");
    if (folder == nullptr) {
        ADD_FAILURE() << "ZANVO_NET_SERVICE_DIR is not set (the ctest fixture starts the service)";
        return std::wstring();
    }
    // A Unix path: Wine's drive Z: is the root of the Unix file system.
    std::string text = ReadFileBytes(L"Z:" + Utf8ToWide(folder) + L"/" + Utf8ToWide(name));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    EXPECT_FALSE(text.empty()) << "no " << name << " in " << folder;
    return Utf8ToWide(text);
}

}  // namespace

std::wstring NetServiceBase() {
    static const std::wstring base = ReadServiceFile("base_url");
    return base;
}

std::wstring NetServiceTlsBase() {
    static const std::wstring base = ReadServiceFile("tls_url");
    return base;
}

bool IsCertificateRefusal(int32_t code) {
    return code == ERROR_INTERNET_INVALID_CA || code == ERROR_INTERNET_SEC_CERT_CN_INVALID ||
           code == ERROR_INTERNET_SEC_CERT_DATE_INVALID || code == ERROR_INTERNET_SEC_INVALID_CERT ||
           code == ERROR_INTERNET_SEC_CERT_ERRORS;
}

std::string HttpGetBody(const std::wstring& url) {
    InternetHandle session(InternetOpenW(L"zanvo tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    InternetHandle request(session ? InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0,
                                                      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)
                                   : nullptr);
    if (!request) {
        ADD_FAILURE() << "GET " << WideToUtf8(url) << " failed: " << GetLastError();
        return std::string();
    }
    std::string body;
    char buffer[16384];
    DWORD read = 0;
    while (InternetReadFile(request.get(), buffer, sizeof(buffer), &read) && read > 0) {
        body.append(buffer, read);
    }
    return body;
}

std::wstring DefineRoute(const std::wstring& base, const std::wstring& path, const std::wstring& options) {
    const std::string digest =
        HttpGetBody(base + L"/_control/route?path=" + path + (options.empty() ? L"" : L"&" + options));
    EXPECT_EQ(digest.size(), 64u) << "route " << WideToUtf8(path) << ": " << digest;
    return Utf8ToWide(digest);
}

std::vector<std::string> RecordedRequests(const std::wstring& base) {
    std::vector<std::string> lines;
    std::istringstream in(HttpGetBody(base + L"/_control/requests"));
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> RecordedRequestsFor(const std::wstring& base, const std::string& prefix) {
    std::vector<std::string> matching;
    for (const std::string& line : RecordedRequests(base)) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            matching.push_back(line);
        }
    }
    return matching;
}

void ResetService(const std::wstring& base) { EXPECT_EQ(HttpGetBody(base + L"/_control/reset"), "ok\n"); }

std::wstring ClosedPortUrl(const std::wstring& path) {
    // Port 1 (tcpmux) is privileged and never served on these machines.
    return L"http://127.0.0.1:1" + path;
}

std::wstring UniquePath(const std::wstring& name) {
    static std::atomic<int> counter{0};
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return L"/t/" + Utf8ToWide(test->test_suite_name()) + L"." + Utf8ToWide(test->name()) + L"/" +
           std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++) + L"/" + name;
}
