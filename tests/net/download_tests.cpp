// The downloader over real HTTP on loopback: the local vendor service answers
// with bodies, lengths, error pages, stalls and drips as each case asks.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "files/download_retries.h"
#include "files/downloader.h"
#include "tests/net/service_client.h"
#include "tests/net/user_actions.h"
#include "tests/support/test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// What the service sends for a body of `size` pattern bytes (see
// tools/service/vendor_service.py): fetched once to compare against.
std::string ServedBody(const std::wstring& options) {
    const std::wstring path = UniquePath(L"reference");
    DefineRoute(NetServiceBase(), path, options);
    return HttpGetBody(NetServiceBase() + path);
}

struct Download : testing::Test {
    TempDir dir{L"dl"};
    CMainProgress progress;
    ProgressLevel& level = progress.action;
};

TEST_F(Download, AnswersTable) {
    struct Case {
        const char* name;
        std::wstring route;
        int32_t result;
        bool placed;    // the body replaced the old file
        bool tempKept;  // the body waits under the temporary name
    };
    const Case cases[] = {
        {"complete", L"size=100000", RESULT_SUCCESS, true, false},
        {"empty_with_length", L"size=0", RESULT_SUCCESS, true, false},
        {"drip_keeps_going", L"size=3000&drip=500:150", RESULT_SUCCESS, true, false},
        {"no_length", L"size=5000&length=none", RESULT_DOWNLOAD_INCOMPLETE, false, true},
        {"empty_without_length", L"size=0&length=none", RESULT_DOWNLOAD_INCOMPLETE, false, true},
        {"truncated", L"size=5000&length=9000", RESULT_DOWNLOAD_INCOMPLETE, false, true},
        {"not_found_page", L"text=%3Chtml%3Egone%3C/html%3E&status=404", RESULT_DOWNLOAD_REFUSED, false, false},
        {"server_busy", L"text=busy&status=503", RESULT_DOWNLOAD_REFUSED, false, false},
    };
    for (const Case& c : cases) {
        const std::wstring path = UniquePath(L"pkg.zip");
        DefineRoute(NetServiceBase(), path, c.route);
        const std::string body = HttpGetBody(NetServiceBase() + path);
        const std::wstring dst = dir / (Utf8ToWide(c.name) + L".zip");
        WriteFileBytes(dst, "old contents");

        const int32_t result = DownloadWithProgress(dst, level, NetServiceBase() + path);

        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(ReadFileBytes(dst), c.placed ? body : "old contents") << c.name;
        EXPECT_EQ(PathExists(dst + L".@dl"), c.tempKept) << c.name;
        if (c.tempKept) {
            EXPECT_EQ(ReadFileBytes(dst + L".@dl"), body.substr(0, 5000)) << c.name;
        }
        EXPECT_EQ(level.Code(), c.result) << c.name;
        EXPECT_EQ(level.State(), 0) << c.name;
    }
}

TEST_F(Download, ReportsItselfOnTheLevel) {
    const std::wstring path = UniquePath(L"pkg.bin");
    DefineRoute(NetServiceBase(), path, L"size=70000");
    const std::wstring url = NetServiceBase() + path;
    const std::wstring dst = dir / L"pkg.bin";
    ASSERT_EQ(DownloadWithProgress(dst, level, url), RESULT_SUCCESS);
    EXPECT_EQ(ToWide(level.ActionText()), L"Download pkg.bin");
    EXPECT_EQ(ToWide(level.PhaseText()), L"Downloading...");
    EXPECT_EQ(level.Total(), 70000);
    EXPECT_EQ(level.Done(), 70000);
    EXPECT_EQ(ToWide(level.ItemName()), url);
    EXPECT_EQ(ToWide(level.GetTargetPath()), dst);
    EXPECT_EQ(level.State(), 0);
}

TEST_F(Download, FolderDestinationTakesTheLocationNameElseSetupExe) {
    const std::wstring named = UniquePath(L"a");
    DefineRoute(NetServiceBase(), named, L"size=10&location=http://127.0.0.1/files/named.zip");
    ASSERT_EQ(DownloadFile(NetServiceBase() + named, level, dir.Path()), RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"named.zip").size(), 10u);
    EXPECT_EQ(ToWide(level.ItemName()), L"http://127.0.0.1/files/named.zip");
    EXPECT_EQ(ToWide(level.GetTargetPath()), dir / L"named.zip");

    const std::wstring plain = UniquePath(L"b");
    DefineRoute(NetServiceBase(), plain, L"size=20");
    ASSERT_EQ(DownloadFile(NetServiceBase() + plain, level, dir.Path() + L"\\"), RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"setup.exe").size(), 20u);
}

TEST_F(Download, MissingFoldersAreCreated) {
    const std::wstring path = UniquePath(L"p");
    DefineRoute(NetServiceBase(), path, L"size=33");
    const std::wstring dst = dir.Path() + L"/Temp/deeper\\pkg.zip";
    ASSERT_EQ(DownloadFile(NetServiceBase() + path, level, dst), RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dir / L"Temp\\deeper\\pkg.zip").size(), 33u);
}

TEST_F(Download, OldFileInUseIsMovedAsideAndTheNextCallPlacesTheBody) {
    // A mapped program image can be renamed but not deleted.
    const std::wstring dst = dir / L"pkg.dll";
    ASSERT_TRUE(CopyFileW(L"C:\\windows\\system32\\version.dll", dst.c_str(), FALSE));
    const HMODULE image = LoadLibraryExW(dst.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(image, nullptr);
    const std::wstring path = UniquePath(L"pkg.dll");
    DefineRoute(NetServiceBase(), path, L"size=4000");
    const std::wstring url = NetServiceBase() + path;

    EXPECT_EQ(DownloadWithProgress(dst, level, url), RESULT_REBOOT_PENDING);
    EXPECT_FALSE(PathExists(dst));
    EXPECT_TRUE(PathExists(dir.Path() + L"/pkg.dll.tmp0"));
    EXPECT_EQ(ReadFileBytes(dst + L".@dl").size(), 4000u);

    EXPECT_EQ(DownloadWithProgress(dst, level, url), RESULT_SUCCESS);
    EXPECT_EQ(ReadFileBytes(dst).size(), 4000u);
    EXPECT_FALSE(PathExists(dst + L".@dl"));
    FreeLibrary(image);
}

TEST_F(Download, EmptyAddressDoesNothing) {
    EXPECT_EQ(DownloadFile(L"", level, dir / L"x"), RESULT_SUCCESS);
    EXPECT_FALSE(PathExists(dir / L"x"));
    EXPECT_FALSE(PathExists(dir / L"x.@dl"));
}

TEST_F(Download, NoConnectionTouchesNothing) {
    const std::wstring dst = dir / L"pkg.zip";
    WriteFileBytes(dst, "old");
    EXPECT_EQ(DownloadWithProgress(dst, level, ClosedPortUrl(L"/pkg.zip")), RESULT_CONNECTION_FAILED);
    EXPECT_EQ(ReadFileBytes(dst), "old");
    EXPECT_FALSE(PathExists(dst + L".@dl"));
}

TEST_F(Download, Sha256Table) {
    const std::wstring path = UniquePath(L"pkg.zip");
    const std::wstring digest = DefineRoute(NetServiceBase(), path, L"size=50000");
    std::wstring upper = digest;
    for (wchar_t& c : upper) {
        c = static_cast<wchar_t>(towupper(c));
    }
    std::wstring wrong = digest;
    wrong[10] = wrong[10] == L'0' ? L'1' : L'0';
    struct Case {
        const char* name;
        std::wstring sha256;
        int32_t result;
    };
    const Case cases[] = {
        {"lower_case", digest, RESULT_SUCCESS},
        {"upper_case", upper, RESULT_SUCCESS},
        {"absent", L"", RESULT_SUCCESS},
        {"mismatch", wrong, RESULT_DOWNLOAD_DAMAGED},
    };
    for (const Case& c : cases) {
        const std::wstring dst = dir / (Utf8ToWide(c.name) + L".zip");
        WriteFileBytes(dst, "old");
        EXPECT_EQ(DownloadWithProgress(dst, level, NetServiceBase() + path, c.sha256), c.result) << c.name;
        EXPECT_EQ(ReadFileBytes(dst).size(), c.result == RESULT_SUCCESS ? 50000u : 3u) << c.name;
        EXPECT_FALSE(PathExists(dst + L".@dl")) << c.name;
    }
}

TEST_F(Download, MalformedSha256IsRefusedBeforeAnyRequest) {
    const std::wstring path = UniquePath(L"pkg.zip");
    DefineRoute(NetServiceBase(), path, L"size=10");
    const AttemptCounting none;
    for (const std::wstring& sha : {std::wstring(63, L'a'), std::wstring(65, L'a'), std::wstring(63, L'a') + L"g"}) {
        EXPECT_EQ(DownloadWithRetries(NetServiceBase() + path, dir / L"x.zip", level, none, sha),
                  RESULT_ATTRIBUTE_NOT_SUPPORTED)
            << WideToUtf8(sha);
    }
    EXPECT_TRUE(RecordedRequestsFor(NetServiceBase(), WideToUtf8(path)).empty());
    EXPECT_FALSE(PathExists(dir / L"x.zip"));
}

TEST_F(Download, HttpsGoesOverTls) {
    // The local TLS listener's certificate is self-signed: only a real TLS
    // handshake can fail with a certificate error.
    const std::wstring path = UniquePath(L"pkg.zip");
    const int32_t result = DownloadWithProgress(dir / L"pkg.zip", level, NetServiceTlsBase() + path);
    EXPECT_TRUE(IsCertificateRefusal(result)) << result;
    EXPECT_TRUE(RecordedRequestsFor(NetServiceBase(), WideToUtf8(path)).empty());
    EXPECT_FALSE(PathExists(dir / L"pkg.zip"));
}

TEST_F(Download, AbortWhileTheBodyStreamsStopsTheTransfer) {
    const std::wstring path = UniquePath(L"slow.zip");
    DefineRoute(NetServiceBase(), path, L"size=100000&drip=1000:100");
    const std::wstring dst = dir / L"slow.zip";
    const AbortOutcome abort =
        AbortAfter(progress, 700, [&] { DownloadWithProgress(dst, level, NetServiceBase() + path); });
    EXPECT_EQ(abort.thrown, RESULT_ABORTED);
    EXPECT_LT(abort.seconds, 3.0);
    EXPECT_EQ(progress.abortState.load(), 0);
    EXPECT_FALSE(PathExists(dst));
    // The temporary file is closed: it can go at once.
    EXPECT_TRUE(DeleteFileW((dst + L".@dl").c_str()));
}

TEST_F(Download, AbortDuringAStallStopsTheTransfer) {
    const std::wstring path = UniquePath(L"stall.zip");
    DefineRoute(NetServiceBase(), path, L"size=5000&stall=60&stall_after=1000");
    const AbortOutcome abort =
        AbortAfter(progress, 700, [&] { DownloadFile(NetServiceBase() + path, level, dir / L"stall.zip"); });
    EXPECT_EQ(abort.thrown, RESULT_ABORTED);
    EXPECT_LT(abort.seconds, 3.0);
}

TEST_F(Download, StallOfMoreThanTwentySecondsIsAConnectionFailure) {
    const std::wstring path = UniquePath(L"stall.zip");
    DefineRoute(NetServiceBase(), path, L"size=50000&stall=60&stall_after=20000");
    const std::wstring dst = dir / L"stall.zip";
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(DownloadFile(NetServiceBase() + path, level, dst), RESULT_CONNECTION_FAILED);
    const double seconds = SecondsSince(start);
    EXPECT_GE(seconds, 20.0);
    EXPECT_LT(seconds, 25.0);
    EXPECT_FALSE(PathExists(dst));
    // The temporary file keeps the whole blocks that arrived before the stall.
    const size_t kept = ReadFileBytes(dst + L".@dl").size();
    EXPECT_GE(kept, 16384u);
    EXPECT_LT(kept, 20000u);
    EXPECT_TRUE(DeleteFileW((dst + L".@dl").c_str()));
}

}  // namespace
