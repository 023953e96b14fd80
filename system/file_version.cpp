#include "system/file_version.h"

#include <windows.h>

#include <cwchar>
#include <vector>

FileVersion ParseFileVersionText(const std::wstring& text) {
    FileVersion version;
    int32_t* const fields[] = {&version.major, &version.minor, &version.build, &version.revision};
    size_t field = 0;
    size_t pos = 0;
    while (field < 4) {
        const size_t start = text.find_first_not_of(L"; :.,\t\n", pos);
        if (start == std::wstring::npos) {
            break;
        }
        const size_t end = text.find_first_of(L"; :.,\t\n", start);
        const std::wstring token = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        *fields[field++] = static_cast<int32_t>(std::wcstol(token.c_str(), nullptr, 10));
        pos = end;
    }
    return version;
}

FileVersion ReadFileVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return {};
    }
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        return {};
    }
    struct Translation {
        WORD language;
        WORD codePage;
    };
    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &found, &length) ||
        length < sizeof(Translation)) {
        return {};
    }
    const auto* translation = static_cast<const Translation*>(found);
    wchar_t query[64];
    swprintf(query, 64, L"\\StringFileInfo\\%04X%04X\\FileVersion", translation->language, translation->codePage);
    if (!VerQueryValueW(block.data(), query, &found, &length) || found == nullptr) {
        return {};
    }
    const auto* text = static_cast<const wchar_t*>(found);
    // The length counts characters and may or may not include the terminator.
    std::wstring value(text, length);
    value.resize(wcsnlen(value.c_str(), value.size()));
    FileVersion version = ParseFileVersionText(value);
    version.found = true;
    return version;
}

std::wstring FormatFileVersion(const FileVersion& version) {
    wchar_t text[64];
    swprintf(text, 64, L"%d.%d.%d.%d", version.major, version.minor, version.build, version.revision);
    return text;
}
