// stamp --build-id ID --channel-id ID --build-name NAME [--overwrite] EXE
// Writes the scrambled identity block into EXE's certificate table, after a
// signature when there is one, replacing a block stamped earlier.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/hidden_data.h"
#include "common/text_conversion.h"

namespace {

constexpr uint16_t kCertificateRevision = 0x0200;
constexpr uint16_t kPkcsSignedData = 0x0002;
constexpr size_t kCertificateHeader = 8;

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<uint32_t>(bytes[at + 2]) << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

void Write32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

size_t AlignTo8(size_t n) { return (n + 7) & ~static_cast<size_t>(7); }

// Places the block; an empty text on success, else what went wrong.
std::string Stamp(std::vector<uint8_t>& image, const std::vector<uint8_t>& block) {
    const std::optional<CertificateTable> located = LocateCertificateTable(image);
    if (!located) {
        return "not a PE image";
    }
    CertificateTable table = *located;
    if (table.offset == 0 || table.size == 0) {
        // No signature: a table of one entry holding only the block.
        image.resize(AlignTo8(image.size()), 0);
        table.offset = static_cast<uint32_t>(image.size());
        image.insert(image.end(), kCertificateHeader, 0);
        Write32(image, table.offset, kCertificateHeader);
        image[table.offset + 4] = kCertificateRevision & 0xFF;
        image[table.offset + 5] = kCertificateRevision >> 8;
        image[table.offset + 6] = kPkcsSignedData;
        table.size = kCertificateHeader;
    }
    if (static_cast<uint64_t>(table.offset) + table.size != image.size()) {
        return "the certificate table is not at the end of the file";
    }
    // The block goes inside the last entry, so that the entries still chain.
    size_t last = table.offset;
    for (size_t entry = table.offset; entry + kCertificateHeader <= image.size();) {
        last = entry;
        const uint32_t length = Read32(image, entry);
        if (length < kCertificateHeader) {
            break;
        }
        entry += AlignTo8(length);
    }
    std::vector<uint8_t> tableBytes(image.begin() + table.offset, image.end());
    size_t end = image.size();
    if (const std::optional<size_t> old = FindHiddenBlock(tableBytes)) {
        end = table.offset + *old;  // an earlier block and what follows it go
    } else {
        end = last + Read32(image, last);
    }
    image.resize(end);
    image.insert(image.end(), block.begin(), block.end());
    Write32(image, last, static_cast<uint32_t>(image.size() - last));
    image.resize(AlignTo8(image.size()), 0);
    Write32(image, table.directoryOffset, table.offset);
    Write32(image, table.directoryOffset + 4, static_cast<uint32_t>(image.size() - table.offset));
    return {};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    HiddenIdentity identity;
    std::wstring path;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == L"--build-id" && hasValue) {
            identity.buildId = WideToUtf8(argv[++i]);
        } else if (arg == L"--channel-id" && hasValue) {
            identity.channelId = WideToUtf8(argv[++i]);
        } else if (arg == L"--build-name" && hasValue) {
            identity.buildName = WideToUtf8(argv[++i]);
        } else if (arg == L"--overwrite") {
            identity.overwrite = true;
        } else if (path.empty() && arg.rfind(L"--", 0) != 0) {
            path = arg;
        } else {
            path.clear();
            break;
        }
    }
    if (path.empty()) {
        fputs("usage: stamp --build-id ID --channel-id ID --build-name NAME [--overwrite] EXE\n", stderr);
        return 2;
    }
    std::ifstream in(path.c_str(), std::ios::binary);
    std::vector<uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        fprintf(stderr, "stamp: cannot read %s\n", WideToUtf8(path).c_str());
        return 1;
    }
    in.close();
    const std::string error = Stamp(image, MakeHiddenBlock(HiddenIdentityPayload(identity)));
    if (!error.empty()) {
        fprintf(stderr, "stamp: %s: %s\n", WideToUtf8(path).c_str(), error.c_str());
        return 1;
    }
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (!out) {
        fprintf(stderr, "stamp: cannot write %s\n", WideToUtf8(path).c_str());
        return 1;
    }
    return 0;
}
