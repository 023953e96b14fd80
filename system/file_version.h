#pragma once
// The version a file declares in the FileVersion string of its version
// resource (not the resource's fixed numeric fields).
#include <cstdint>
#include <string>

struct FileVersion {
    bool found = false;  // the file has a FileVersion string
    int32_t major = 0;
    int32_t minor = 0;
    int32_t build = 0;
    int32_t revision = 0;
};

// Reads the FileVersion string of the first translation; its first four
// numbers, separated by any of "; :.," tab and line feed ("2, 3, 8, 0" is
// 2.3.8.0). Missing numbers are 0.
FileVersion ReadFileVersion(const std::wstring& path);
// "major.minor.build.revision"
std::wstring FormatFileVersion(const FileVersion& version);
// The numbers of a FileVersion text (`found` is left false).
FileVersion ParseFileVersionText(const std::wstring& text);
