// The download loop's series, the Retry/Cancel question, the attempt counters
// and the reports it sends. The reports go to ServiceBaseUrl, the local
// vendor service on its fixed port, so these cases run in their own ctest
// entry that holds that port (test names VendorPort*).
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <regex>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/run_values.h"
#include "files/download_retries.h"
#include "system/service_url.h"
#include "system/statistics.h"
#include "tests/net/service_client.h"
#include "tests/net/user_actions.h"
#include "tests/support/test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::array<int32_t, 4> Counters() {
    std::array<int32_t, 4> values{};
    for (size_t i = 0; i < 4; ++i) {
        values[i] = AttemptCounters()[i].load();
    }
    return values;
}

void SetCounters(const std::array<int32_t, 4>& values) {
    for (size_t i = 0; i < 4; ++i) {
        AttemptCounters()[i] = values[i];
    }
}

// The process-wide number of retries so far: a counted download that
// succeeds at once stores it under "rr".
int32_t RetryCountSoFar() {
    const std::wstring path = UniquePath(L"probe.bin");
    DefineRoute(NetServiceBase(), path, L"size=1");
    TempDir dir(L"rc");
    CMainProgress progress;
    EXPECT_EQ(
        DownloadWithRetries(NetServiceBase() + path, dir / L"probe.bin", progress.action, AttemptCounting{true, L""}),
        RESULT_SUCCESS);
    return AttemptCounters()[3].load();
}

// A recorded report is `head` followed by the run summary of `counters`; the
// elapsed seconds are taken from the report itself.
void ExpectReport(const std::string& report, const std::string& head, const std::array<int32_t, 4>& counters) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(report, match, std::regex(".*AI([0-9]{4})T"))) << report;
    const std::wstring summary = BuildRunSummary(counters, std::stoi(match[1].str()));
    EXPECT_EQ(report, head + WideToUtf8(summary));
}

std::vector<std::string> Reports() {
    std::vector<std::string> reports;
    for (const std::string& line : RecordedRequests(ServiceBaseUrl())) {
        if (line.find("_cancel?") != std::string::npos || line.find("_error?") != std::string::npos ||
            line.find("_launch?") != std::string::npos) {
            reports.push_back(line);
        }
    }
    return reports;
}

const char kCancelHead[] = "/inst_cancel?build_id=100&channel_id=925759&uid=&usage=inpri&extradata=cntni";
const char kErrorHead[] = "/inst_error?build_id=100&channel_id=925759&uid=&usage=inpri&extradata=retre";

struct VendorPortDownloads : testing::Test {
    void SetUp() override {
        SetReportIdentity(ReportIdentity());
        ResetService(ServiceBaseUrl());
    }
    TempDir dir{L"vp"};
    CMainProgress progress;
    ProgressLevel& level = progress.action;
};

TEST_F(VendorPortDownloads, NoConnectionThreeAttemptsThenCancel) {
    const int32_t retries = RetryCountSoFar();
    ResetService(ServiceBaseUrl());
    ScriptedQuestion question({RetryAnswer::Cancel});
    const Clock::time_point start = Clock::now();
    const int32_t result = DownloadWithRetries(ClosedPortUrl(L"/main_zanvo.zip"), dir / L"main_zanvo.zip", level,
                                               AttemptCounting{true, L"zz"});
    const double seconds = SecondsSince(start);
    EXPECT_EQ(result, RESULT_CONNECTION_FAILED);
    EXPECT_EQ(question.Asked(), 1);
    // Two pauses of a second between the three attempts.
    EXPECT_GE(seconds, 2.0);
    EXPECT_LT(seconds, 5.0);
    EXPECT_EQ(AttemptCounters()[2].load(), 3);
    EXPECT_EQ(AttemptCounters()[3].load(), retries);
    const std::vector<std::string> reports = Reports();
    ASSERT_EQ(reports.size(), 1u);
    ExpectReport(reports[0], kCancelHead, Counters());
}

TEST_F(VendorPortDownloads, RetryOnceThenSuccessOnTheFourthAttempt) {
    const int32_t retries = RetryCountSoFar();
    ResetService(ServiceBaseUrl());
    const std::wstring path = UniquePath(L"main_zanvo.zip");
    DefineRoute(NetServiceBase(), path, L"status=503&text=busy");
    // The server recovers while the user reads the question.
    ScriptedQuestion question({RetryAnswer::Retry}, [&](int) { DefineRoute(NetServiceBase(), path, L"size=5000"); });
    const int32_t result =
        DownloadWithRetries(NetServiceBase() + path, dir / L"main_zanvo.zip", level, AttemptCounting{true, L"zz"});
    EXPECT_EQ(result, RESULT_SUCCESS);
    EXPECT_EQ(question.Asked(), 1);
    EXPECT_EQ(AttemptCounters()[2].load(), 4);
    EXPECT_EQ(AttemptCounters()[3].load(), retries + 1);
    EXPECT_EQ(ReadFileBytes(dir / L"main_zanvo.zip").size(), 5000u);
    EXPECT_EQ(RecordedRequestsFor(NetServiceBase(), WideToUtf8(path)).size(), 4u);
    const std::vector<std::string> reports = Reports();
    ASSERT_EQ(reports.size(), 1u);
    // Sent after the third attempt, with rr already counting this retry.
    std::array<int32_t, 4> atReport = Counters();
    atReport[2] = 3;
    ExpectReport(reports[0], kErrorHead, atReport);
}

TEST_F(VendorPortDownloads, WithoutAttemptValOnlyTheRetriesAreStored) {
    const int32_t retries = RetryCountSoFar();
    SetCounters({11, 12, 13, 14});
    ScriptedQuestion question({RetryAnswer::Cancel});
    EXPECT_EQ(DownloadWithRetries(ClosedPortUrl(L"/x.zip"), dir / L"x.zip", level, AttemptCounting{true, L""}),
              RESULT_CONNECTION_FAILED);
    EXPECT_EQ(Counters(), (std::array<int32_t, 4>{11, 12, 13, retries}));
}

TEST_F(VendorPortDownloads, UncountedDownloadAsksAndReportsButCountsNothing) {
    const int32_t retries = RetryCountSoFar();
    ResetService(ServiceBaseUrl());
    SetCounters({21, 22, 23, 24});
    ScriptedQuestion question({RetryAnswer::Retry, RetryAnswer::Cancel});
    EXPECT_EQ(DownloadWithRetries(ClosedPortUrl(L"/x.zip"), dir / L"x.zip", level, AttemptCounting{}),
              RESULT_CONNECTION_FAILED);
    EXPECT_EQ(question.Asked(), 2);
    EXPECT_EQ(Counters(), (std::array<int32_t, 4>{21, 22, 23, 24}));
    const std::vector<std::string> reports = Reports();
    ASSERT_EQ(reports.size(), 2u);
    ExpectReport(reports[0], kErrorHead, Counters());
    ExpectReport(reports[1], kCancelHead, Counters());
    EXPECT_EQ(RetryCountSoFar(), retries);
}

TEST_F(VendorPortDownloads, ReportsCarryTheReportIdentity) {
    SetReportIdentity(ReportIdentity{L"upd", L"7", L"8", L"u-1"});
    ScriptedQuestion question({RetryAnswer::Cancel});
    DownloadWithRetries(ClosedPortUrl(L"/x.zip"), dir / L"x.zip", level, AttemptCounting{});
    const std::vector<std::string> reports = Reports();
    ASSERT_EQ(reports.size(), 1u);
    ExpectReport(reports[0], "/upd_cancel?build_id=7&channel_id=8&uid=u-1&usage=inpri&extradata=cntni", Counters());
}

TEST_F(VendorPortDownloads, AbortDuringThePauseEndsTheLoopWithoutAQuestion) {
    const AbortOutcome abort = AbortAfter(progress, 300, [&] {
        DownloadWithRetries(ClosedPortUrl(L"/x.zip"), dir / L"x.zip", level, AttemptCounting{true, L"zz"});
    });
    EXPECT_EQ(abort.thrown, RESULT_ABORTED);
    EXPECT_LT(abort.seconds, 1.0);
    EXPECT_TRUE(Reports().empty());
}

// An incomplete transfer once counted as a success with a pending
// restart: the installation went on with a broken package.
TEST_F(VendorPortDownloads, IncompleteDownloadFailsTheRunInsteadOfAskingForARestart) {
    const std::wstring path = UniquePath(L"main_zanvo.zip");
    DefineRoute(NetServiceBase(), path, L"size=3000&length=none");
    ScriptedQuestion question({RetryAnswer::Cancel});
    const ScriptRun run = RunXml("<install errorscope='global'><package name='p'><downloadfile src='" +
                                 WideToUtf8(NetServiceBase() + path) + "' dst='" + WideToUtf8(dir / L"main_zanvo.zip") +
                                 "' attempt_val='zz' errorscope='global'/></package></install>");
    EXPECT_EQ(run.result, RESULT_DOWNLOAD_INCOMPLETE);
    EXPECT_NE(run.statusLine.find(L"error: download incomplete"), std::wstring::npos) << WideToUtf8(run.statusLine);
    EXPECT_EQ(run.statusLine.find(L"reboot"), std::wstring::npos) << WideToUtf8(run.statusLine);
    EXPECT_FALSE(PathExists(dir / L"main_zanvo.zip"));
}

// Every source but "http://" was once skipped: an https:// package was
// reported as downloaded without a single request.
TEST_F(VendorPortDownloads, HttpsSourceIsDownloadedNotSkipped) {
    ScriptedQuestion question({RetryAnswer::Cancel});
    const ScriptRun run = RunXml("<install><package name='p'><downloadfile src='" +
                                 WideToUtf8(NetServiceTlsBase() + UniquePath(L"m.zip")) + "' dst='" +
                                 WideToUtf8(dir / L"m.zip") + "'/></package></install>");
    EXPECT_TRUE(IsCertificateRefusal(run.result)) << run.result;
    EXPECT_EQ(question.Asked(), 1);
}

TEST_F(VendorPortDownloads, RunnerAsksOnTheConsole) {
    const std::wstring script = dir / L"s.xml";
    WriteFileBytes(script, "<install><package name='p'><downloadfile src='" + WideToUtf8(ClosedPortUrl(L"/m.zip")) +
                               "' dst='" + WideToUtf8(dir / L"m.zip") + "' attempt_val='zz'/></package></install>");
    // One retry, then the end of input cancels.
    const ProcessOutput run =
        RunProcess(L"\"" + ProgramFolder() + L"\\zanvo-run.exe\" --poll 1000 \"" + script + L"\"", "r\n");
    EXPECT_EQ(run.exitCode, 1) << run.out;
    size_t questions = 0;
    for (size_t at = run.out.find("question: "); at != std::string::npos; at = run.out.find("question: ", at + 1)) {
        ++questions;
    }
    EXPECT_EQ(questions, 2u) << run.out;
    EXPECT_NE(run.out.find("Cannot establish connection and download required components."), std::string::npos);
    EXPECT_NE(run.out.find("result: -16"), std::string::npos) << run.out;
    const std::vector<std::string> reports = Reports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].rfind(kErrorHead, 0), 0u) << reports[0];
    EXPECT_EQ(reports[1].rfind(kCancelHead, 0), 0u) << reports[1];
}

TEST(VendorPortReports, LaunchAndClosingCancelReports) {
    SetReportIdentity(ReportIdentity());
    ResetService(ServiceBaseUrl());
    SendLaunchReport();
    SendCancelReport(L"titl", L"disk full!");
    const std::vector<std::string> reports = Reports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], "/inst_launch?build_id=100&channel_id=925759&uid=");
    ExpectReport(reports[1], "/inst_cancel?build_id=100&channel_id=925759&uid=&usage=titli&extradata=disk%20full%21",
                 Counters());
}

}  // namespace
