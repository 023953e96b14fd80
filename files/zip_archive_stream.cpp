#include "files/zip_archive_stream.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "files/unique_handle.h"

namespace {

constexpr size_t kWindow = 64 * 1024;

struct ArchiveStream {
    UniqueHandle file;
    uint64_t size = 0;
    uint64_t position = 0;
    std::vector<char> window = std::vector<char>(kWindow);
    uint64_t windowStart = 0;
    size_t windowLength = 0;
    bool failed = false;
};

// A positioned read, which needs no seek of its own.
size_t ReadAt(ArchiveStream& stream, uint64_t offset, char* buffer, size_t size) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(stream.file.get(), buffer, static_cast<DWORD>(size), &read, &at) &&
        GetLastError() != ERROR_HANDLE_EOF) {
        stream.failed = true;
        return 0;
    }
    return read;
}

voidpf ZCALLBACK Open(voidpf, const void* name, int) {
    UniqueHandle file = AdoptFileHandle(CreateFileW(static_cast<const wchar_t*>(name), GENERIC_READ, FILE_SHARE_READ,
                                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) {
        return nullptr;
    }
    auto* stream = new ArchiveStream;
    stream->file = std::move(file);
    stream->size = static_cast<uint64_t>(size.QuadPart);
    return stream;
}

uLong ZCALLBACK Read(voidpf, voidpf opaque, void* buffer, uLong size) {
    ArchiveStream& stream = *static_cast<ArchiveStream*>(opaque);
    char* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < size && stream.position < stream.size) {
        if (stream.position >= stream.windowStart && stream.position < stream.windowStart + stream.windowLength) {
            const size_t offset = static_cast<size_t>(stream.position - stream.windowStart);
            const size_t take = std::min<size_t>(size - done, stream.windowLength - offset);
            memcpy(out + done, stream.window.data() + offset, take);
            stream.position += take;
            done += take;
            continue;
        }
        stream.windowStart = stream.position;
        stream.windowLength = ReadAt(stream, stream.position, stream.window.data(), kWindow);
        if (stream.windowLength == 0) {
            break;
        }
    }
    return static_cast<uLong>(done);
}

uLong ZCALLBACK Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf opaque) { return static_cast<ArchiveStream*>(opaque)->position; }

long ZCALLBACK Seek(voidpf, voidpf opaque, ZPOS64_T offset, int origin) {
    ArchiveStream& stream = *static_cast<ArchiveStream*>(opaque);
    switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET:
            stream.position = offset;
            return 0;
        case ZLIB_FILEFUNC_SEEK_CUR:
            stream.position += offset;
            return 0;
        case ZLIB_FILEFUNC_SEEK_END:
            stream.position = stream.size + offset;
            return 0;
        default:
            return -1;
    }
}

int ZCALLBACK Close(voidpf, voidpf opaque) {
    delete static_cast<ArchiveStream*>(opaque);
    return 0;
}

int ZCALLBACK Error(voidpf, voidpf opaque) { return static_cast<ArchiveStream*>(opaque)->failed ? 1 : 0; }

}  // namespace

zlib_filefunc64_def ArchiveStreamFunctions() {
    return zlib_filefunc64_def{Open, Read, Write, Tell, Seek, Close, Error, nullptr};
}
