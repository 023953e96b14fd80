#include "files/downloader.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "common/result_codes.h"
#include "files/delete_operations.h"
#include "files/folder_operations.h"
#include "files/internet_handle.h"
#include "files/path_functions.h"
#include "files/private_level.h"
#include "files/sha256_digest.h"
#include "files/unique_handle.h"

namespace {

constexpr DWORD kFirstBlockBytes = 16384;
constexpr DWORD kLargestBlockBytes = 1 << 20;
constexpr DWORD kHeaderBufferBytes = 16384;
constexpr int64_t kStallLimitMs = 20000;
constexpr std::chrono::milliseconds kWatchdogPoll(500);
// How long a stopped reader is waited for before it is left to end alone.
constexpr std::chrono::milliseconds kReaderGrace(1000);
constexpr DWORD kOpenUrlFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
const wchar_t kTemporarySuffix[] = L".@dl";
const wchar_t kDefaultFileName[] = L"setup.exe";

// Process-wide like the download it watches: one transfer at a time.
std::atomic<int64_t> g_lastActivityMs{0};

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One transfer, shared by the caller, the reader and the watchdog. The reader
// may outlive the call: a read blocked on a silent server does not always end
// when its request is closed. So everything it touches lives here, and once
// `stopped` is set (under `lock`) it touches nothing but this record.
struct Transfer {
    HINTERNET request = nullptr;
    ProgressLevel* progress = nullptr;
    std::optional<int64_t> expected;  // the announced length, if any
    UniqueHandle file;
    std::optional<Sha256Digest> digest;

    std::mutex lock;
    std::condition_variable changed;
    bool readerDone = false;
    bool watchdogFired = false;
    bool stopped = false;
    int32_t readerResult = 0;
    // The user's abort reached the reader or the watchdog.
    std::atomic<bool> aborted{false};
};
using TransferPtr = std::shared_ptr<Transfer>;

// A read returns only once its block is full. Blocks grow while they fill
// quickly, so a fast line moves large blocks, and shrink back towards 16 KiB
// when one is slow, so a slow line still shows the watchdog data every few
// seconds.
DWORD NextBlockBytes(DWORD block, int64_t readMs) {
    if (readMs < 250 && block < kLargestBlockBytes) {
        return block * 2;
    }
    if (readMs > 2000 && block > kFirstBlockBytes) {
        return block / 2;
    }
    return block;
}

int32_t ReadBody(Transfer& transfer) {
    std::vector<char> buffer(kLargestBlockBytes);
    DWORD block = kFirstBlockBytes;
    int64_t count = 0;
    for (;;) {
        DWORD read = 0;
        const int64_t started = NowMs();
        const BOOL ok = InternetReadFile(transfer.request, buffer.data(), block, &read);
        const int32_t error = LastErrorResult();
        block = NextBlockBytes(block, NowMs() - started);
        std::lock_guard<std::mutex> guard(transfer.lock);
        if (transfer.stopped) {
            return RESULT_CONNECTION_FAILED;
        }
        if (!ok) {
            return error;
        }
        if (read == 0) {
            // Without an announced length nothing says the body is whole.
            return transfer.expected && count == *transfer.expected ? RESULT_SUCCESS : RESULT_DOWNLOAD_INCOMPLETE;
        }
        DWORD written = 0;
        if (!WriteFile(transfer.file.get(), buffer.data(), read, &written, nullptr)) {
            return LastErrorResult();
        }
        if (written < read) {
            return RESULT_GENERAL_ERROR;
        }
        if (transfer.digest) {
            transfer.digest->Update(buffer.data(), read);
        }
        transfer.progress->AddDone(read);
        count += read;
        TouchActivity();
    }
}

void ReaderThread(TransferPtr transfer) {
    int32_t result = RESULT_SUCCESS;
    // Nothing may leave a thread: the abort is handed to the caller instead.
    try {
        result = ReadBody(*transfer);
    } catch (int) {
        transfer->aborted = true;
        result = RESULT_ABORTED;
    } catch (...) {
        result = RESULT_UNKNOWN_EXCEPTION;
    }
    {
        std::lock_guard<std::mutex> guard(transfer->lock);
        transfer->readerResult = result;
        transfer->readerDone = true;
    }
    transfer->changed.notify_all();
}

// Ends the wait when no data came for more than 20 seconds, or when the user
// asked to abort while the reader is blocked; stands down once the reader is
// done.
void WatchdogThread(TransferPtr transfer) {
    std::unique_lock<std::mutex> lock(transfer->lock);
    for (;;) {
        if (transfer->changed.wait_for(lock, kWatchdogPoll, [&] { return transfer->readerDone; })) {
            return;
        }
        bool fire = NowMs() - g_lastActivityMs.load() > kStallLimitMs;
        if (!fire) {
            lock.unlock();
            try {
                RaisePendingAbort(*transfer->progress);
            } catch (int) {
                transfer->aborted = true;
                fire = true;
            }
            lock.lock();
        }
        if (fire) {
            transfer->watchdogFired = true;
            transfer->changed.notify_all();
            return;
        }
    }
}

// Runs the reader and the watchdog until one of them ends. When the watchdog
// ends first, the reader is stopped and the file closed under the transfer's
// lock, and the request is closed to fail the pending read; a reader still
// blocked after a grace period is left to end on its own.
int32_t RunTransfer(const TransferPtr& transfer, InternetHandle& request) {
    TouchActivity();
    std::thread watchdog;
    std::thread reader;
    try {
        watchdog = std::thread(WatchdogThread, transfer);
    } catch (const std::system_error&) {
        return RESULT_GENERAL_ERROR;
    }
    try {
        reader = std::thread(ReaderThread, transfer);
    } catch (const std::system_error&) {
        {
            std::lock_guard<std::mutex> guard(transfer->lock);
            transfer->readerDone = true;
        }
        transfer->changed.notify_all();
        watchdog.join();
        return RESULT_GENERAL_ERROR;
    }

    int32_t result = RESULT_CONNECTION_FAILED;
    std::unique_lock<std::mutex> lock(transfer->lock);
    transfer->changed.wait(lock, [&] { return transfer->readerDone || transfer->watchdogFired; });
    if (transfer->readerDone) {
        result = transfer->readerResult;
    } else {
        transfer->stopped = true;
        transfer->file.reset();
        lock.unlock();
        request.reset();
        lock.lock();
        transfer->changed.wait_for(lock, kReaderGrace, [&] { return transfer->readerDone; });
    }
    const bool readerDone = transfer->readerDone;
    lock.unlock();
    if (readerDone) {
        reader.join();
    } else {
        reader.detach();
    }
    watchdog.join();
    return transfer->aborted ? RESULT_ABORTED : result;
}

bool QueryHeader(HINTERNET request, DWORD info, std::wstring& value) {
    std::vector<wchar_t> buffer(kHeaderBufferBytes / sizeof(wchar_t));
    DWORD size = kHeaderBufferBytes;
    if (!HttpQueryInfoW(request, info, buffer.data(), &size, nullptr)) {
        return false;
    }
    value.assign(buffer.data(), size / sizeof(wchar_t));
    return true;
}

// Only a 2xx answer carries the file; an error page is not a package.
int32_t CheckStatus(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
        return LastErrorResult();
    }
    return status >= 200 && status < 300 ? RESULT_SUCCESS : RESULT_DOWNLOAD_REFUSED;
}

struct DownloadTarget {
    std::wstring folder;  // empty: the current directory
    std::wstring name;    // empty: the server names the file
};

// An existing folder keeps the server's name; any other non-empty path names
// the file itself.
DownloadTarget ChooseDownloadTarget(const std::wstring& dst) {
    if (dst.empty()) {
        return {};
    }
    const DWORD attributes = GetFileAttributesW(dst.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return {dst, std::wstring()};
    }
    auto [folder, name] = SplitPath(dst);
    return {std::move(folder), std::move(name)};
}

// Everything between the connectivity test and the replacement of the old
// file; every handle it opens is closed when it returns.
int32_t Fetch(const std::wstring& url, ProgressLevel& progress, const std::wstring& dst, const std::wstring& sha256) {
    if (!InternetCheckConnectionW(url.c_str(), FLAG_ICC_FORCE_CONNECTION, 0)) {
        return RESULT_CONNECTION_FAILED;
    }
    InternetHandle session(InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return LastErrorResult();
    }
    InternetHandle request(InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0, kOpenUrlFlags, 0));
    if (!request) {
        return LastErrorResult();
    }
    TouchActivity();
    int32_t result = CheckStatus(request.get());
    if (result != RESULT_SUCCESS) {
        return result;
    }

    DownloadTarget target = ChooseDownloadTarget(dst);
    if (target.folder.empty()) {
        target.folder = CurrentDirectory();
    }
    if (target.name.empty()) {
        std::wstring location;
        if (QueryHeader(request.get(), HTTP_QUERY_LOCATION, location)) {
            progress.SetItemName(location);
            target.name = NamePart(location);
        }
        if (target.name.empty()) {
            target.name = kDefaultFileName;
        }
    }
    const std::wstring final = EnsureTrailingSeparator(target.folder) + target.name;
    progress.SetTargetPath(final);
    const std::wstring temporary = final + kTemporarySuffix;

    result = CreateDirectoryPath(target.folder);
    progress.SetCode(result);
    if (result != RESULT_SUCCESS) {
        return result;
    }

    std::optional<int64_t> expected;
    std::wstring lengthText;
    if (QueryHeader(request.get(), HTTP_QUERY_CONTENT_LENGTH, lengthText)) {
        expected = wcstoll(lengthText.c_str(), nullptr, 10);
        progress.SetTotal(*expected);
    }

    const TransferPtr transfer = std::make_shared<Transfer>();
    transfer->request = request.get();
    transfer->progress = &progress;
    transfer->expected = expected;
    if (!sha256.empty()) {
        transfer->digest.emplace();
        if (transfer->digest->Status() != 0) {
            return transfer->digest->Status();
        }
    }
    transfer->file = AdoptFileHandle(CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!transfer->file) {
        return LastErrorResult();
    }
    result = RunTransfer(transfer, request);
    transfer->file.reset();
    OutputDebugStringW(L"IODownloadFileHlp 6\n");
    if (result != RESULT_SUCCESS) {
        return result;  // the temporary file keeps what arrived; the next attempt overwrites it
    }

    if (transfer->digest) {
        const std::wstring actual = transfer->digest->FinishHex();
        if (transfer->digest->Status() != 0) {
            return transfer->digest->Status();
        }
        if (!SameSha256(actual, sha256)) {
            DeleteFileW(temporary.c_str());
            return RESULT_DOWNLOAD_DAMAGED;
        }
    }
    // A file in use that could only be moved aside leaves the body in the
    // temporary file; the next attempt finds the path free.
    PrivateLevel replacing;
    result = DeleteFileOrDefer(final, replacing);
    if (result == RESULT_SUCCESS && !MoveFileW(temporary.c_str(), final.c_str())) {
        result = LastErrorResult();
    }
    return result;
}

}  // namespace

void TouchActivity() { g_lastActivityMs = NowMs(); }

void RaisePendingAbort(ProgressLevel& progress) { progress.AddDone(0); }

int32_t DownloadFile(const std::wstring& url, ProgressLevel& progress, const std::wstring& dst,
                     const std::wstring& sha256) {
    if (url.empty()) {
        return RESULT_SUCCESS;
    }
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.SetItemName(url);
        progress.SetTargetPath(dst);
    }
    const int32_t result = Fetch(url, progress, dst, sha256);
    OutputDebugStringW(L"IODownloadFileHlp 7\n");
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        progress.SetCode(result);
        progress.SetState(0);
    }
    OutputDebugStringW(L"IODownloadFileHlp 8\n");
    if (result == RESULT_ABORTED) {
        throw static_cast<int>(RESULT_ABORTED);  // the run ends as an abort, on the worker thread
    }
    return result;
}

int32_t DownloadWithProgress(const std::wstring& dst, ProgressLevel& progress, const std::wstring& url,
                             const std::wstring& sha256) {
    progress.Reset();
    {
        std::lock_guard<std::recursive_mutex> guard(progress.Lock());
        const std::wstring name = NamePart(dst);
        progress.Describe(ACTION_DOWNLOAD, {name});
        progress.SetState(1);
    }
    const int32_t result = DownloadFile(url, progress, dst, sha256);
    progress.SetState(0);
    return result;
}
