#pragma once
// Reads the entries of an open archive ahead of their extraction, on a thread
// of its own, so that inflating one entry overlaps creating and writing the
// file of the one before: creating a file costs about as much as inflating
// it. At most two blocks of data are in flight.
#include <unzip.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ZipEntry {
    unz_file_info64 info{};
    std::wstring name;
};

// The current entry's information and its decoded name. A stored name has at
// most 65535 bytes; `nameBuffer` must hold 65536.
int ReadZipEntry(unzFile zip, std::vector<char>& nameBuffer, ZipEntry& entry);
constexpr size_t kZipNameBuffer = 65536;

struct ZipEvent {
    enum class Kind {
        Entry,     // the next entry; with `withData`, `code` is the result of opening it
        Data,      // `length` bytes of its contents in `data`
        EntryEnd,  // after an entry with data: 0, or why its data are not sound
        Finished,  // `code`: UNZ_END_OF_LIST_OF_FILE or what ended the list
    };
    Kind kind = Kind::Finished;
    ZipEntry entry;
    bool withData = false;
    int32_t code = 0;
    std::vector<char> data;
    size_t length = 0;
};

class ZipEntryReader {
public:
    // `wantsData` is asked, on the reader's thread, whether an entry's
    // contents are needed; it must only read shared state.
    ZipEntryReader(unzFile zip, size_t blockSize, std::function<bool(const ZipEntry&)> wantsData);
    // Stops the reading and waits for the thread.
    ~ZipEntryReader();
    ZipEntryReader(const ZipEntryReader&) = delete;
    ZipEntryReader& operator=(const ZipEntryReader&) = delete;

    ZipEvent Next();
    // Gives a Data event's buffer back for the next block.
    void Recycle(std::vector<char> buffer);

private:
    void Run();
    int ReadData(uint64_t expected);
    void Push(ZipEvent event);
    bool TakeBuffer(std::vector<char>& buffer);
    bool Stopping();

    unzFile zip_;
    const size_t blockSize_;
    const std::function<bool(const ZipEntry&)> wantsData_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::deque<ZipEvent> events_;
    std::vector<std::vector<char>> freeBuffers_;
    int buffersMade_ = 0;
    bool stop_ = false;
    bool finished_ = false;
    int32_t finishCode_ = 0;
    std::thread thread_;
};
