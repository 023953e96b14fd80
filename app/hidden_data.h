#pragma once
// The scrambled identity block a distribution places in the installer's
// certificate table (build id, channel id, build name, overwrite). The stamp
// tool writes it and the installer reads it with this one piece of code.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct HiddenIdentity {
    std::string buildId;
    std::string channelId;
    std::string buildName;
    bool overwrite = false;
};

// Where the certificate table lies in a PE image, read from its headers.
struct CertificateTable {
    size_t directoryOffset = 0;  // file offset of the security directory entry
    uint32_t offset = 0;         // the table's file offset; 0 when there is none
    uint32_t size = 0;
};

extern const char kHiddenDataMarker[];

// XORs every byte with the key, counting key positions from `position`.
void ScrambleHiddenBytes(uint8_t* bytes, size_t count, size_t position = 0);

// The block as stored: scrambled marker, 32-bit length, payload.
std::vector<uint8_t> MakeHiddenBlock(const std::string& payload);
// Offset of the stored block in `table`, if any.
std::optional<size_t> FindHiddenBlock(const std::vector<uint8_t>& table);
// The payload of the first stored block in `table`, if it is complete.
std::optional<std::string> HiddenPayloadOf(const std::vector<uint8_t>& table);

// The certificate table of an image held in memory (nullopt: not a PE image).
std::optional<CertificateTable> LocateCertificateTable(const std::vector<uint8_t>& image);

// The payload of the block in an executable file, if it has one.
std::optional<std::string> ReadHiddenData(const std::wstring& path);

std::string HiddenIdentityPayload(const HiddenIdentity& identity);
// Missing elements stay empty; nullopt when the payload is not XML.
std::optional<HiddenIdentity> ParseHiddenIdentity(const std::string& payload);
