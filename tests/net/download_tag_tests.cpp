// The downloadfile tag inside scripts, and the abort of a run while it
// downloads. These cases send no report: every download succeeds at once or
// is not attempted.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/run_values.h"
#include "tests/net/service_client.h"
#include "tests/net/user_actions.h"
#include "tests/support/test_support.h"

namespace {

std::string DownloadScript(const std::wstring& src, const std::wstring& dst, const std::string& extra = "") {
    return "<install errorscope='global'><package name='p'><downloadfile src='" + WideToUtf8(src) + "' dst='" +
           WideToUtf8(dst) + "' " + extra + " errorscope='global'/></package></install>";
}

TEST(DownloadTag, DownloadsAndCountsItsAttempt) {
    TempDir dir(L"tag");
    const std::wstring path = UniquePath(L"qt.zip");
    DefineRoute(NetServiceBase(), path, L"size=1234");
    AttemptCounters()[0] = 7;
    const ScriptRun run =
        RunXml(DownloadScript(NetServiceBase() + path, dir.Path() + L"/Temp/qt.zip", "attempt_val='xx'"));
    EXPECT_EQ(run.result, RESULT_SUCCESS) << WideToUtf8(run.statusLine);
    EXPECT_EQ(ReadFileBytes(dir / L"Temp\\qt.zip").size(), 1234u);
    EXPECT_EQ(AttemptCounters()[0].load(), 1);
}

TEST(DownloadTag, SchemeIsMatchedIgnoringCase) {
    TempDir dir(L"tag");
    const std::wstring path = UniquePath(L"a.zip");
    DefineRoute(NetServiceBase(), path, L"size=10");
    std::wstring upper = NetServiceBase() + path;
    upper.replace(0, 4, L"HTTP");
    EXPECT_EQ(RunXml(DownloadScript(upper, dir / L"a.zip")).result, RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"a.zip").size(), 10u);
}

TEST(DownloadTag, DoesNothingWithoutAWebSourceOrADestinationTable) {
    TempDir dir(L"tag");
    const std::wstring path = UniquePath(L"a.zip");
    DefineRoute(NetServiceBase(), path, L"size=10");
    const std::wstring web = NetServiceBase() + path;
    struct Case {
        const char* name;
        std::wstring src;
        std::wstring dst;
    };
    const Case cases[] = {
        {"file_source", dir / L"here.zip", dir / L"a.zip"},
        {"ftp_source", L"ftp://127.0.0.1/a.zip", dir / L"a.zip"},
        {"no_scheme", L"127.0.0.1/a.zip", dir / L"a.zip"},
        {"empty_source", L"", dir / L"a.zip"},
        {"empty_destination", web, L""},
    };
    WriteFileBytes(dir / L"here.zip", "local");
    for (const Case& c : cases) {
        EXPECT_EQ(RunXml(DownloadScript(c.src, c.dst)).result, RESULT_SUCCESS) << c.name;
        EXPECT_FALSE(PathExists(dir / L"a.zip")) << c.name;
    }
    EXPECT_TRUE(RecordedRequestsFor(NetServiceBase(), WideToUtf8(path)).empty());
}

TEST(DownloadTag, ChecksTheSha256Attribute) {
    TempDir dir(L"tag");
    const std::wstring path = UniquePath(L"main.zip");
    const std::wstring digest = DefineRoute(NetServiceBase(), path, L"size=3000");
    const ScriptRun good =
        RunXml(DownloadScript(NetServiceBase() + path, dir / L"good.zip", "sha256='" + WideToUtf8(digest) + "'"));
    EXPECT_EQ(good.result, RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"good.zip").size(), 3000u);

    const ScriptRun malformed = RunXml(DownloadScript(NetServiceBase() + path, dir / L"bad.zip", "sha256='abc'"));
    EXPECT_EQ(malformed.result, RESULT_ATTRIBUTE_NOT_SUPPORTED);
    EXPECT_FALSE(PathExists(dir / L"bad.zip"));
    // The optional attribute is not added to the tag's text when absent.
    const ScriptRun plain = RunXml(DownloadScript(L"", dir / L"x.zip"));
    EXPECT_EQ(plain.currentText.find(L"sha256"), std::wstring::npos) << WideToUtf8(plain.currentText);
    EXPECT_NE(plain.currentText.find(L"attempt_val=\"\""), std::wstring::npos) << WideToUtf8(plain.currentText);
}

TEST(DownloadTag, AbortEndsTheRunAsAnAbortAndKeepsTheProcess) {
    TempDir dir(L"tag");
    const std::wstring path = UniquePath(L"slow.zip");
    DefineRoute(NetServiceBase(), path, L"size=200000&drip=2000:100");
    const std::string xml = DownloadScript(NetServiceBase() + path, dir / L"slow.zip");
    CXMLProcessor processor;
    int32_t result = -1;
    // RequestAbort, as the screens do it, is this same store.
    const AbortOutcome abort =
        AbortAfter(*processor.Progress(), 800, [&] { result = processor.ParseAndRun(xml.data(), xml.size()); });
    EXPECT_EQ(abort.thrown, 0);
    EXPECT_EQ(result, RESULT_SUCCESS);
    EXPECT_LT(abort.seconds, 3.0);
    EXPECT_EQ(processor.GetStatusLine().find(L"error"), std::wstring::npos) << WideToUtf8(processor.GetStatusLine());
    EXPECT_FALSE(PathExists(dir / L"slow.zip"));
}

}  // namespace

namespace {

std::string CopyScript(const std::wstring& src, const std::wstring& dst, const std::string& extra = "") {
    return "<install><package name='p'><copyfile src='" + WideToUtf8(src) + "' dst='" + WideToUtf8(dst) + "' " +
           extra + "/></package></install>";
}

// copyfile runs the same loop for a web source, without the counters.
TEST(CopyfileFromTheWeb, DownloadsWithoutCountingAndChecksItsSha256) {
    TempDir dir(L"copy");
    const std::wstring path = UniquePath(L"tlb.zip");
    const std::wstring digest = DefineRoute(NetServiceBase(), path, L"size=4321");
    for (auto& counter : AttemptCounters()) {
        counter = 5;
    }
    std::wstring upper = NetServiceBase() + path;
    upper.replace(0, 4, L"HTTP");
    EXPECT_EQ(RunXml(CopyScript(upper, dir / L"a.zip", "attempt_val='xx'")).result, RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"a.zip").size(), 4321u);
    for (auto& counter : AttemptCounters()) {
        EXPECT_EQ(counter.load(), 5);
    }
    EXPECT_EQ(RunXml(CopyScript(NetServiceBase() + path, dir / L"b.zip", "sha256='" + WideToUtf8(digest) + "'")).result,
              RESULT_SUCCESS);
    std::wstring wrong = digest;
    wrong[0] = wrong[0] == L'0' ? L'1' : L'0';
    ScriptedQuestion cancel({RetryAnswer::Cancel});
    EXPECT_EQ(RunXml(CopyScript(NetServiceBase() + path, dir / L"c.zip", "sha256='" + WideToUtf8(wrong) + "'")).result,
              RESULT_DOWNLOAD_DAMAGED);
    EXPECT_FALSE(PathExists(dir / L"c.zip"));
    EXPECT_EQ(cancel.Asked(), 1);
}

TEST(CopyfileFromTheWeb, HttpsGoesOverTls) {
    TempDir dir(L"copy");
    const std::wstring path = UniquePath(L"secure.zip");
    DefineRoute(NetServiceBase(), path, L"size=10");  // both listeners share the routes
    ScriptedQuestion cancel({RetryAnswer::Cancel});
    const ScriptRun run = RunXml(CopyScript(NetServiceTlsBase() + path, dir / L"s.zip"));
    EXPECT_TRUE(IsCertificateRefusal(run.result)) << run.result;
    EXPECT_FALSE(PathExists(dir / L"s.zip"));
}

}  // namespace
