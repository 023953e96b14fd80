#include "tests/system/record_file.h"

#include <windows.h>

#include <fstream>
#include <sstream>

void WriteRecordFile(const std::wstring& path, const std::map<std::string, std::string>& entries) {
    std::string text;
    for (const auto& [key, value] : entries) {
        // Line feeds inside a value (the "/env" argument has them) are kept
        // readable as "\n".
        std::string escaped;
        for (char c : value) {
            escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
        }
        text += key + "=" + escaped + "\n";
    }
    const std::wstring partial = path + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::map<std::string, std::string> ReadRecordFile(const std::wstring& path) {
    std::map<std::string, std::string> entries;
    std::ifstream in(path.c_str(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos) {
            entries[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return entries;
}
