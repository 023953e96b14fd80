// Statistics: the texts of the reports, the sender, and the two report tags
// against the local vendor service on its chosen port.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/run_values.h"
#include "files/internet_handle.h"
#include "system/report_urls.h"
#include "system/service_url.h"
#include "system/statistics.h"
#include "tests/net/service_client.h"
#include "tests/support/test_support.h"

namespace {

std::tm TimeOfDay(int hour, int minute, int second) {
    std::tm t{};
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(ReportTexts, UrlEncodeTable) {
    struct Case {
        const wchar_t* text;
        const wchar_t* encoded;
    };
    const Case cases[] = {
        {L"", L""},
        {L"disk full!", L"disk%20full%21"},
        {L"AZaz09", L"AZaz09"},
        {L"a-b_c.d~e", L"a%2Db%5Fc%2Ed%7Ee"},
        {L"<COPYFILE dst=\"C:\\x\">", L"%3CCOPYFILE%20dst%3D%22C%3A%5Cx%22%3E"},
        {L"\u00e4\u20ac", L"%C3%A4%E2%82%AC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UrlEncode(c.text), c.encoded) << WideToUtf8(c.text);
    }
}

TEST(ReportTexts, RunSummaryTable) {
    struct Case {
        const char* name;
        std::array<int32_t, 4> counters;
        int32_t seconds;
        const wchar_t* summary;
    };
    const Case cases[] = {
        {"example", {3, 1, 5, 0}, 42, L"D03010500AI0042T"},
        {"completion_case", {1, 0, 2, 0}, 42, L"D01000200AI0042T"},
        {"counter_150_is_99", {150, 99, 100, 0}, 0, L"D99999900AI0000T"},
        {"seconds_12345_is_9999", {0, 0, 0, 0}, 12345, L"D00000000AI9999T"},
        {"seconds_9999_stays", {0, 0, 0, 1}, 9999, L"D00000001AI9999T"},
    };
    for (const Case& c : cases) {
        const std::wstring summary = BuildRunSummary(c.counters, c.seconds);
        EXPECT_EQ(summary, c.summary) << c.name;
        EXPECT_EQ(summary.size(), 16u) << c.name;
    }
}

TEST(ReportTexts, ElapsedSecondsTable) {
    struct Case {
        const char* name;
        std::tm start;
        std::tm now;
        int32_t seconds;
    };
    const Case cases[] = {
        {"same_minute", TimeOfDay(10, 0, 0), TimeOfDay(10, 0, 42), 42},
        // Each difference is taken as it is: 40 + 60 * 59 + 3600 * 1.
        {"across_the_hour", TimeOfDay(10, 59, 50), TimeOfDay(11, 0, 10), 7180},
        {"past_midnight", TimeOfDay(23, 0, 0), TimeOfDay(0, 0, 0), 82800},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ElapsedSeconds(c.start, c.now), c.seconds) << c.name;
    }
}

TEST(ReportTexts, ReportUrls) {
    const ReportIdentity identity{L"upd", L"7", L"925759", L"{U-1}"};
    EXPECT_EQ(BuildLaunchReportUrl(L"http://s", identity),
              L"http://s/upd_launch?build_id=7&channel_id=925759&uid={U-1}");
    EXPECT_EQ(BuildOutcomeReportUrl(L"http://s", OutcomeReport::Cancel, ReportIdentity(), L"titl", L"disk full!",
                                    L"D00000000AI0001T"),
              L"http://s/inst_cancel?build_id=100&channel_id=925759&uid=&usage=titli&extradata="
              L"disk%20full%21D00000000AI0001T");
    EXPECT_EQ(BuildOutcomeReportUrl(L"http://s", OutcomeReport::Error, ReportIdentity(), L"inpr", L"retre",
                                    L"D00000001AI0001T"),
              L"http://s/inst_error?build_id=100&channel_id=925759&uid=&usage=inpri&extradata=retreD00000001AI0001T");
}

TEST(ReportTexts, LongDetailIsCutAtWholeEscapesAndKeepsTheSummary) {
    const std::wstring summary = L"D01020304AI0005T";
    for (const std::wstring& detail :
         {std::wstring(2000, L'a'), std::wstring(700, L' '), L"x" + std::wstring(700, L' ')}) {
        const std::wstring url =
            BuildOutcomeReportUrl(L"http://s", OutcomeReport::Cancel, ReportIdentity(), L"inpr", detail, summary);
        EXPECT_LE(url.size(), kMaxReportUrlChars);
        EXPECT_GE(url.size(), kMaxReportUrlChars - 2);
        EXPECT_EQ(url.substr(url.size() - summary.size()), summary);
        const std::wstring encoded = url.substr(0, url.size() - summary.size());
        const size_t lastEscape = encoded.rfind(L'%');
        if (lastEscape != std::wstring::npos) {
            EXPECT_EQ(encoded.size() - lastEscape, 3u) << "half an escape left";
        }
    }
}

TEST(ReportTexts, IdentityDefaultsAndServiceBase) {
    const ReportIdentity identity = CurrentReportIdentity();
    EXPECT_EQ(identity.runType, L"inst");
    EXPECT_EQ(identity.buildId, L"100");
    EXPECT_EQ(identity.channelId, L"925759");
    EXPECT_EQ(identity.uid, L"");
    EXPECT_FALSE(ServiceBaseUrl().empty());
    EXPECT_NE(ServiceBaseUrl().back(), L'/');
}

TEST(SendPing, AnswersStatusesAndFailures) {
    const std::wstring base = NetServiceBase();
    const std::wstring missing = UniquePath(L"gone");
    DefineRoute(base, missing, L"status=404&text=gone");
    EXPECT_EQ(SendPing(base + L"/inst_start?build_id=1"), 0);
    // The answer is not looked at: an error status is still delivered.
    EXPECT_EQ(SendPing(base + missing), 0);
    EXPECT_EQ(SendPing(ClosedPortUrl(L"/inst_start")), ERROR_INTERNET_CANNOT_CONNECT);
    // An https:// service is spoken to over TLS: the self-signed certificate
    // of the local TLS listener is refused.
    const int32_t secure = SendPing(NetServiceTlsBase() + L"/inst_start");
    EXPECT_TRUE(IsCertificateRefusal(secure)) << secure;
    const std::vector<std::string> seen = RecordedRequests(base);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "/inst_start?build_id=1"), seen.end());
}

// A statistics server that accepts the connection and never answers held
// the installation up for as long as the library's default limits allow.
TEST(SendPing, GivesUpOnASilentServiceAfterTenSeconds) {
    const std::wstring path = UniquePath(L"silent");
    DefineRoute(NetServiceBase(), path, L"delay=40");
    const auto start = std::chrono::steady_clock::now();
    // Windows names the timeout; Wine reports the connection it gave up on.
    const int32_t result = SendPing(NetServiceBase() + path);
    EXPECT_TRUE(result == ERROR_INTERNET_TIMEOUT || result == ERROR_INTERNET_CONNECTION_ABORTED) << result;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 9.0);
    EXPECT_LT(seconds, 15.0);
}

std::string TagScript(const std::string& tag, const std::string& type, const std::wstring& text) {
    std::string escaped;
    for (char c : WideToUtf8(text)) {
        escaped += c == '&' ? std::string("&amp;") : std::string(1, c);
    }
    return "<install><package name='p'><" + tag + " type='" + type + "'>" + escaped + "</" + tag +
           "></package></install>";
}

TEST(StatisticTags, TypeAndTextTable) {
    const std::wstring base = NetServiceBase();
    struct Case {
        const char* name;
        std::string tag;
        std::string type;
        std::wstring text;
        int32_t result;
        bool sent;
    };
    const std::wstring start = UniquePath(L"inst_start") + L"?build_id=100&uid=";
    const std::wstring upper = UniquePath(L"inst_start");
    const std::wstring other = UniquePath(L"inst_start");
    const std::wstring runtime = UniquePath(L"runtime");
    const Case cases[] = {
        {"url", "statistic", "url", base + start, RESULT_SUCCESS, true},
        {"url_in_capitals", "statistic", "URL", base + upper, RESULT_SUCCESS, true},
        {"other_type", "statistic", "file", base + other, RESULT_ATTRIBUTE_NOT_SUPPORTED, false},
        {"runtime_other_type", "runtimeParamStatistic", "", base + runtime, RESULT_ATTRIBUTE_NOT_SUPPORTED, false},
        {"empty_text", "statistic", "url", L"", RESULT_SUCCESS, false},
        {"unreachable", "statistic", "url", ClosedPortUrl(L"/inst_start"), ERROR_INTERNET_CANNOT_CONNECT, false},
    };
    for (const Case& c : cases) {
        const ScriptRun run = RunXml(TagScript(c.tag, c.type, c.text));
        EXPECT_EQ(run.result, c.result) << c.name;
    }
    EXPECT_EQ(RecordedRequestsFor(base, WideToUtf8(start)), std::vector<std::string>{WideToUtf8(start)});
    EXPECT_EQ(RecordedRequestsFor(base, WideToUtf8(upper)).size(), 1u);
    EXPECT_TRUE(RecordedRequestsFor(base, WideToUtf8(other)).empty());
    EXPECT_TRUE(RecordedRequestsFor(base, WideToUtf8(runtime)).empty());
}

TEST(StatisticTags, ShowTheHostWhileConnecting) {
    const std::wstring base = NetServiceBase();
    // The statistic tag looks for the "/" from the 16th character on; an
    // address without one after that shows whole.
    const ScriptRun statistic = RunXml(TagScript("statistic", "url", base + UniquePath(L"inst_start")));
    EXPECT_EQ(statistic.statusLine.rfind(L"action:Connect to " + base + L"; name:Downloading...;", 0), 0u)
        << WideToUtf8(statistic.statusLine);
    const ScriptRun runtime = RunXml(TagScript("runtimeParamStatistic", "url", base + UniquePath(L"inst_complete")));
    EXPECT_EQ(runtime.statusLine.rfind(L"action:Connect to " + base + L";", 0), 0u) << WideToUtf8(runtime.statusLine);
    const ScriptRun shortText = RunXml(TagScript("statistic", "url", L"http://127.0.0.1:1"));
    EXPECT_EQ(shortText.statusLine.rfind(L"action:Connect to http://127.0.0.1:1;", 0), 0u)
        << WideToUtf8(shortText.statusLine);
}

TEST(StatisticTags, RuntimeParamStatisticAppendsTheRunSummary) {
    const std::wstring base = NetServiceBase();
    const std::wstring path = UniquePath(L"inst_complete") + L"?build_id=100&channel_id=925759&uid=&toolbar=0";
    AttemptCounters()[0] = 1;
    AttemptCounters()[1] = 0;
    AttemptCounters()[2] = 2;
    AttemptCounters()[3] = 0;
    const ScriptRun run = RunXml(TagScript("runtimeParamStatistic", "url", base + path));
    EXPECT_EQ(run.result, RESULT_SUCCESS);
    const std::vector<std::string> seen = RecordedRequestsFor(base, WideToUtf8(path));
    ASSERT_EQ(seen.size(), 1u);
    const std::string head = WideToUtf8(path) + "&extradata=D01000200AI";
    EXPECT_EQ(seen[0].rfind(head, 0), 0u) << seen[0];
    EXPECT_EQ(seen[0].size(), head.size() + 5) << seen[0];
    EXPECT_EQ(seen[0].back(), 'T');
}

}  // namespace
