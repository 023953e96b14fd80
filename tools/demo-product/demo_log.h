#pragma once
// The demo product's programs record how they were started in a log beside
// themselves, so tests and people can see what the installer asked of them.
#include <windows.h>

#include <string>

inline std::wstring ModuleFolder(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

// Appends one UTF-8 line to LOG_NAME in the folder of `module`.
inline void AppendDemoLog(HMODULE module, const wchar_t* logName, const std::wstring& line) {
    const std::wstring path = ModuleFolder(module) + L"\\" + logName;
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::wstring text = line + L"\r\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Everything after the program name on the command line.
inline std::wstring CommandLineArguments() {
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    while (*line != L'\0' && (quoted || (*line != L' ' && *line != L'\t'))) {
        if (*line == L'"') {
            quoted = !quoted;
        }
        ++line;
    }
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}
