#include "files/zip_entry_reader.h"

#include "common/result_codes.h"
#include "files/zip_entry_name.h"

namespace {

constexpr int kBuffersInFlight = 2;

}  // namespace

int ReadZipEntry(unzFile zip, std::vector<char>& nameBuffer, ZipEntry& entry) {
    const int r = unzGetCurrentFileInfo64(zip, &entry.info, nameBuffer.data(), static_cast<uLong>(nameBuffer.size()),
                                          nullptr, 0, nullptr, 0);
    if (r != UNZ_OK) {
        return r;
    }
    entry.name = DecodeEntryName(std::string_view(nameBuffer.data(), entry.info.size_filename), entry.info.flag);
    return UNZ_OK;
}

ZipEntryReader::ZipEntryReader(unzFile zip, size_t blockSize, std::function<bool(const ZipEntry&)> wantsData)
    : zip_(zip), blockSize_(blockSize), wantsData_(std::move(wantsData)), thread_([this] { Run(); }) {}

ZipEntryReader::~ZipEntryReader() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

ZipEvent ZipEntryReader::Next() {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return !events_.empty() || finished_; });
    if (events_.empty()) {
        ZipEvent finished;
        finished.code = finishCode_;
        return finished;
    }
    ZipEvent event = std::move(events_.front());
    events_.pop_front();
    return event;
}

void ZipEntryReader::Recycle(std::vector<char> buffer) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        freeBuffers_.push_back(std::move(buffer));
    }
    changed_.notify_all();
}

void ZipEntryReader::Push(ZipEvent event) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        events_.push_back(std::move(event));
    }
    changed_.notify_all();
}

bool ZipEntryReader::Stopping() {
    std::lock_guard<std::mutex> guard(lock_);
    return stop_;
}

// False once the reading is to stop.
bool ZipEntryReader::TakeBuffer(std::vector<char>& buffer) {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return stop_ || !freeBuffers_.empty() || buffersMade_ < kBuffersInFlight; });
    if (stop_) {
        return false;
    }
    if (!freeBuffers_.empty()) {
        buffer = std::move(freeBuffers_.back());
        freeBuffers_.pop_back();
    } else {
        ++buffersMade_;
        guard.unlock();
        buffer.resize(blockSize_);
    }
    return true;
}

// The open entry's data, block by block; 0, a read error, RESULT_ABORTED
// when stopped, or the library's verdict that they are damaged: a checksum
// that does not match (reported when the entry is closed), or fewer or more
// bytes than the entry announces.
int ZipEntryReader::ReadData(uint64_t expected) {
    uint64_t total = 0;
    int end = UNZ_OK;
    for (;;) {
        std::vector<char> buffer;
        if (!TakeBuffer(buffer)) {
            end = RESULT_ABORTED;
            break;
        }
        const int n = unzReadCurrentFile(zip_, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (n <= 0) {
            end = n;
            Recycle(std::move(buffer));
            break;
        }
        total += static_cast<uint64_t>(n);
        ZipEvent data;
        data.kind = ZipEvent::Kind::Data;
        data.data = std::move(buffer);
        data.length = static_cast<size_t>(n);
        Push(std::move(data));
    }
    const int closed = unzCloseCurrentFile(zip_);
    if (end == UNZ_OK && (closed != UNZ_OK || total != expected)) {
        end = closed != UNZ_OK ? closed : UNZ_BADZIPFILE;
    }
    return end;
}

void ZipEntryReader::Run() {
    int r = UNZ_OK;
    try {
        std::vector<char> nameBuffer(kZipNameBuffer);
        for (r = unzGoToFirstFile(zip_); r == UNZ_OK && !Stopping(); r = unzGoToNextFile(zip_)) {
            ZipEvent entry;
            entry.kind = ZipEvent::Kind::Entry;
            if ((r = ReadZipEntry(zip_, nameBuffer, entry.entry)) != UNZ_OK) {
                break;
            }
            entry.withData = wantsData_(entry.entry);
            if (entry.withData) {
                entry.code = unzOpenCurrentFile(zip_);
            }
            const bool opened = entry.withData && entry.code == UNZ_OK;
            const int openCode = entry.code;
            const uint64_t expected = entry.entry.info.uncompressed_size;
            const bool withData = entry.withData;
            Push(std::move(entry));
            if (!withData) {
                continue;
            }
            // Whether a failing entry ends the extraction is the reader's
            // user's to say (an entry it leaves alone may be damaged).
            ZipEvent end;
            end.kind = ZipEvent::Kind::EntryEnd;
            end.code = opened ? ReadData(expected) : openCode;
            Push(std::move(end));
        }
    } catch (...) {
        r = RESULT_GENERAL_ERROR;  // no memory for a block or an event
    }
    {
        std::lock_guard<std::mutex> guard(lock_);
        finished_ = true;
        finishCode_ = r;
    }
    changed_.notify_all();
}
