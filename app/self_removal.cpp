#include "app/self_removal.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "common/result_codes.h"
#include "files/own_paths.h"
#include "files/path_functions.h"
#include "files/system_results.h"
#include "files/unique_handle.h"

namespace {

const wchar_t kProgramVariable[] = L"ZANVO_CLEANER_PROGRAM";
const wchar_t kFolderVariable[] = L"ZANVO_CLEANER_FOLDER";
const wchar_t kScriptName[] = L"cleaner.bat";

using Variable = std::pair<std::wstring, std::wstring>;

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

// This process's environment with the variables set (replaced when present),
// as a block for CreateProcessW.
std::wstring EnvironmentWith(const std::vector<Variable>& variables) {
    std::wstring block;
    if (wchar_t* strings = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
            const std::wstring_view text(entry);
            // Names may begin with "=" (the per-drive folders), so the name
            // ends at the first "=" after the first character.
            const size_t equals = text.find(L'=', 1);
            const std::wstring_view name = text.substr(0, equals);
            bool replaced = false;
            for (const Variable& variable : variables) {
                replaced = replaced || EqualsNoCase(name, variable.first);
            }
            if (!replaced) {
                block.append(text);
                block.push_back(L'\0');
            }
        }
        FreeEnvironmentStringsW(strings);
    }
    for (const Variable& variable : variables) {
        block += variable.first + L"=" + variable.second;
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

int32_t WriteScript(const std::wstring& path, const std::string& text) {
    UniqueHandle file = AdoptFileHandle(
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastErrorResult();
    }
    return WriteAll(file.get(), text.data(), static_cast<DWORD>(text.size()));
}

// Hidden, not waited for, and without "runas": an elevated program starts it
// elevated anyway, and a per-user uninstall must not ask for administrator
// rights at its very end. No handles are inherited, so the script holds
// nothing of the program open while it waits.
int32_t StartScript(const std::wstring& script, const std::wstring& folder, std::wstring environment) {
    const std::wstring interpreter = SystemFolder() + L"\\cmd.exe";
    std::wstring commandLine = L"\"" + interpreter + L"\" /d /c \"\"" + script + L"\"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, environment.data(), folder.c_str(), &startup,
                        &process)) {
        return LastErrorResult();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return RESULT_SUCCESS;
}

}  // namespace

std::string RemovalScriptText(bool withFolder) {
    std::string text =
        "@ECHO OFF\r\n"
        "SETLOCAL ENABLEDELAYEDEXPANSION\r\n"
        ":REPEAT\r\n"
        "DEL /F /Q \"!ZANVO_CLEANER_PROGRAM!\" > NUL 2>&1\r\n"
        "CHOICE /C:AB /D:A /T 1 > NUL\r\n"
        "IF EXIST \"!ZANVO_CLEANER_PROGRAM!\" GOTO REPEAT\r\n";
    if (withFolder) {
        text += "RD /S /Q \"!ZANVO_CLEANER_FOLDER!\"\r\n";
    }
    // Late expansion off again: the script's own path may hold a "!".
    text +=
        "ENDLOCAL\r\n"
        "DEL \"%~f0\"\r\n";
    return text;
}

int32_t StartRemovalScript(std::wstring_view program, std::wstring_view folder) {
    const std::wstring temp = TempFolder();
    if (temp.empty()) {
        return LastErrorResult();
    }
    const std::wstring script = temp + kScriptName;
    if (const int32_t written = WriteScript(script, RemovalScriptText(!folder.empty())); written != RESULT_SUCCESS) {
        return written;
    }
    // cmd.exe takes "/" for a switch, even inside a path.
    std::vector<Variable> variables{{kProgramVariable, NormalizeSeparators(FullPath(program))}};
    if (!folder.empty()) {
        variables.emplace_back(kFolderVariable, NormalizeSeparators(FullPath(folder)));
    }
    return StartScript(script, temp, EnvironmentWith(variables));
}

int32_t ScheduleSelfRemoval(std::wstring_view folder) {
    const std::wstring& program = GetOwnModulePath();
    if (program.empty()) {
        return LastErrorResult();
    }
    return StartRemovalScript(program, folder);
}
