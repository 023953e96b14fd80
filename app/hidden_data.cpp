#include "app/hidden_data.h"

#include <windows.h>

#include <tinyxml2.h>

#include <algorithm>
#include <cstring>

#include "common/ci_string.h"
#include "common/text_conversion.h"
#include "files/unique_handle.h"

const char kHiddenDataMarker[] = "ZANVO_START_OF_HIDDEN_DATA_SECTION_ZANVO";

namespace {

constexpr size_t kMarkerLength = sizeof(kHiddenDataMarker) - 1;

const uint8_t kHiddenDataKey[32] = {0x5a, 0xc3, 0x17, 0x8e, 0x2b, 0xf0, 0x64, 0x91, 0x3d, 0xa7, 0x4c,
                                    0xe2, 0x09, 0x76, 0xbb, 0x58, 0xd1, 0x1f, 0x83, 0x6e, 0xc9, 0x35,
                                    0xa0, 0x4f, 0x92, 0x27, 0xec, 0x7b, 0x10, 0xd6, 0x68, 0xb4};

uint32_t ReadLittleEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

std::vector<uint8_t> ScrambledMarker() {
    std::vector<uint8_t> marker(kHiddenDataMarker, kHiddenDataMarker + kMarkerLength);
    ScrambleHiddenBytes(marker.data(), marker.size());
    return marker;
}

bool ReadAt(HANDLE file, uint32_t offset, void* buffer, DWORD size) {
    if (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        return false;
    }
    DWORD read = 0;
    return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

// The security directory is entry 4 of the data directories, which begin 96
// bytes (PE32) or 112 bytes (PE32+) into the optional header.
size_t SecurityDirectoryOffset(uint32_t peOffset, uint16_t magic) {
    return peOffset + 24 + (magic == 0x20b ? 112 : 96) + 4 * 8;
}

}  // namespace

void ScrambleHiddenBytes(uint8_t* bytes, size_t count, size_t position) {
    for (size_t i = 0; i < count; ++i) {
        bytes[i] ^= kHiddenDataKey[(position + i) % 32];
    }
}

std::vector<uint8_t> MakeHiddenBlock(const std::string& payload) {
    std::vector<uint8_t> block(kHiddenDataMarker, kHiddenDataMarker + kMarkerLength);
    const uint32_t length = static_cast<uint32_t>(payload.size());
    for (int shift = 0; shift < 32; shift += 8) {
        block.push_back(static_cast<uint8_t>(length >> shift));
    }
    block.insert(block.end(), payload.begin(), payload.end());
    ScrambleHiddenBytes(block.data(), block.size());
    return block;
}

std::optional<size_t> FindHiddenBlock(const std::vector<uint8_t>& table) {
    const std::vector<uint8_t> marker = ScrambledMarker();
    auto found = std::search(table.begin(), table.end(), marker.begin(), marker.end());
    if (found == table.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - table.begin());
}

std::optional<std::string> HiddenPayloadOf(const std::vector<uint8_t>& table) {
    const std::optional<size_t> at = FindHiddenBlock(table);
    if (!at) {
        return std::nullopt;
    }
    std::vector<uint8_t> block(table.begin() + static_cast<std::ptrdiff_t>(*at), table.end());
    ScrambleHiddenBytes(block.data(), block.size());
    if (block.size() < kMarkerLength + 4) {
        return std::nullopt;
    }
    const uint64_t length = ReadLittleEndian32(block.data() + kMarkerLength);
    if (block.size() < kMarkerLength + 4 + length) {
        return std::nullopt;
    }
    const char* payload = reinterpret_cast<const char*>(block.data() + kMarkerLength + 4);
    return std::string(payload, static_cast<size_t>(length));
}

std::optional<CertificateTable> LocateCertificateTable(const std::vector<uint8_t>& image) {
    if (image.size() < 64) {
        return std::nullopt;
    }
    const uint32_t peOffset = ReadLittleEndian32(image.data() + 60);
    if (static_cast<uint64_t>(peOffset) + 26 > image.size() || std::memcmp(image.data() + peOffset, "PE\0\0", 4) != 0) {
        return std::nullopt;
    }
    const uint16_t magic = static_cast<uint16_t>(image[peOffset + 24] | (image[peOffset + 25] << 8));
    CertificateTable table;
    table.directoryOffset = SecurityDirectoryOffset(peOffset, magic);
    if (table.directoryOffset + 8 > image.size()) {
        return std::nullopt;
    }
    table.offset = ReadLittleEndian32(image.data() + table.directoryOffset);
    table.size = ReadLittleEndian32(image.data() + table.directoryOffset + 4);
    return table;
}

std::optional<std::string> ReadHiddenData(const std::wstring& path) {
    const UniqueHandle file = AdoptFileHandle(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    uint8_t field[4];
    if (!ReadAt(file.get(), 60, field, 4)) {
        return std::nullopt;
    }
    const uint32_t peOffset = ReadLittleEndian32(field);
    uint8_t magic[2];
    if (!ReadAt(file.get(), peOffset + 24, magic, 2)) {
        return std::nullopt;
    }
    // The 64-bit flavor is a PE32+ image, whose directory lies 16 bytes later.
    const size_t directory = SecurityDirectoryOffset(peOffset, static_cast<uint16_t>(magic[0] | (magic[1] << 8)));
    uint8_t entry[8];
    if (!ReadAt(file.get(), static_cast<uint32_t>(directory), entry, 8)) {
        return std::nullopt;
    }
    const uint32_t offset = ReadLittleEndian32(entry);
    const uint32_t size = ReadLittleEndian32(entry + 4);
    if (offset == 0 || size == 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> table(size);
    if (!ReadAt(file.get(), offset, table.data(), size)) {
        return std::nullopt;
    }
    return HiddenPayloadOf(table);
}

std::string HiddenIdentityPayload(const HiddenIdentity& identity) {
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = document.NewElement("hidden");
    document.InsertEndChild(root);
    const std::pair<const char*, std::string> fields[] = {{"build_id", identity.buildId},
                                                          {"channel_id", identity.channelId},
                                                          {"build_name", identity.buildName},
                                                          {"overwrite", identity.overwrite ? "true" : "false"}};
    for (const auto& [name, value] : fields) {
        root->InsertNewChildElement(name)->SetText(value.c_str());
    }
    tinyxml2::XMLPrinter printer(nullptr, true);
    document.Print(&printer);
    return std::string(printer.CStr(), static_cast<size_t>(printer.CStrSize() - 1));
}

std::optional<HiddenIdentity> ParseHiddenIdentity(const std::string& payload) {
    tinyxml2::XMLDocument document;
    if (document.Parse(payload.data(), payload.size()) != tinyxml2::XML_SUCCESS || document.RootElement() == nullptr) {
        return std::nullopt;
    }
    const tinyxml2::XMLElement* root = document.RootElement();
    auto textOf = [root](const char* name) {
        const tinyxml2::XMLElement* element = root->FirstChildElement(name);
        const char* text = element != nullptr ? element->GetText() : nullptr;
        return std::string(text != nullptr ? text : "");
    };
    HiddenIdentity identity;
    identity.buildId = textOf("build_id");
    identity.channelId = textOf("channel_id");
    identity.buildName = textOf("build_name");
    identity.overwrite = ToCi(Utf8ToWide(textOf("overwrite"))) == L"true";
    return identity;
}
