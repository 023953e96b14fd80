#include "system/elevation.h"

#include <windows.h>
#include <shellapi.h>
#include <userenv.h>
#include <wincred.h>

#include <vector>

#include "common/result_codes.h"
#include "engine/global_params.h"
#include "system/api_error.h"
#include "system/com_apartment.h"
#include "files/unique_handle.h"

namespace {

constexpr int32_t kExitAfterLogonStart = -2;
constexpr DWORD kPathLength = 1024;
constexpr DWORD kProfileLength = 256;

const wchar_t kCredentialCaption[] = L"Zanvo archiver";
const wchar_t kCredentialMessage[] = L"Enter administrator account credentials";
const wchar_t kCredentialTarget[] = L"TheServer";
const wchar_t kLocalDomain[] = L".";

void EndProcess(int32_t exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

const ElevationActions kRealActions = {&RelaunchElevated, &RelaunchWithCredentials, &EndProcess};

std::wstring OwnProgramPath() {
    wchar_t path[kPathLength] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kPathLength);
    return std::wstring(path, length < kPathLength ? length : 0);
}

std::wstring CurrentFolder() {
    wchar_t folder[kPathLength] = {};
    const DWORD length = GetCurrentDirectoryW(kPathLength, folder);
    return std::wstring(folder, length < kPathLength ? length : 0);
}

struct EnvironmentBlock {
    void* block = nullptr;
    ~EnvironmentBlock() {
        if (block != nullptr) {
            DestroyEnvironmentBlock(block);
        }
    }
};

// Logs the user on and starts the copy under that account; the failures show
// the error box.
bool LogOnAndStart(const wchar_t* user, const wchar_t* password, const std::wstring& gateArguments) {
    const wchar_t* logonPassword = password[0] != L'\0' ? password : nullptr;
    HANDLE logonToken = nullptr;
    if (!LogonUserW(user, kLocalDomain, logonPassword, LOGON32_LOGON_INTERACTIVE, LOGON32_PROVIDER_DEFAULT,
                    &logonToken)) {
        ShowApiError(L"LogonUser");
        return false;
    }
    const UniqueHandle token(logonToken);
    EnvironmentBlock environment;
    if (!CreateEnvironmentBlock(&environment.block, token.get(), TRUE)) {
        environment.block = nullptr;
    }
    wchar_t profile[kProfileLength] = {};
    DWORD profileLength = kProfileLength;
    if (!GetUserProfileDirectoryW(token.get(), profile, &profileLength)) {
        ShowApiError(L"GetUserProfileDirectory");
        profile[0] = L'\0';
    }
    std::wstring commandLine = BuildLogonCommandLine(GetCommandLineW(), gateArguments, BuildEnvArgument());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessWithLogonW(user, kLocalDomain, logonPassword, LOGON_WITH_PROFILE, nullptr,
                                 commandLine.data(), CREATE_UNICODE_ENVIRONMENT, environment.block,
                                 profile[0] != L'\0' ? profile : nullptr, &startup, &process)) {
        ShowApiError(L"CreateProcessWithLogonW");
        return false;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

}  // namespace

ElevationStep DecideElevation(const PlatformFacts& facts) {
    const bool vistaOrLater = facts.windowsMajor > 5;
    if (!vistaOrLater) {
        return facts.userIsAdmin ? ElevationStep::kContinue : ElevationStep::kRelaunchWithCredentials;
    }
    if (facts.elevationType == ELEVATION_LIMITED) {
        return ElevationStep::kRelaunchElevated;
    }
    if (facts.userIsAdmin) {
        return ElevationStep::kContinue;
    }
    // A standard user: with UAC Windows itself asks for an administrator.
    if (facts.elevationType == ELEVATION_DEFAULT && facts.uacEnabled) {
        return ElevationStep::kRelaunchElevated;
    }
    return ElevationStep::kRelaunchWithCredentials;
}

int32_t EnsureElevated(const std::wstring& extra, int32_t optionBits) {
    return EnsureElevatedWith(kRealActions, extra, optionBits);
}

int32_t EnsureElevatedWith(const ElevationActions& actions, const std::wstring& extra, int32_t optionBits) {
    const std::wstring gateArguments = BuildGateArguments(extra, optionBits);
    switch (DecideElevation(CurrentPlatformFacts())) {
        case ElevationStep::kContinue:
            return ERROR_SUCCESS;
        case ElevationStep::kRelaunchElevated: {
            const int32_t result = actions.relaunchElevated(gateArguments);
            if (result != ERROR_CANCELLED) {
                actions.endProcess(result);
            }
            return result;
        }
        case ElevationStep::kRelaunchWithCredentials: {
            const int32_t result = actions.relaunchWithCredentials(gateArguments);
            if (result == ERROR_SUCCESS) {
                actions.endProcess(kExitAfterLogonStart);
            }
            return result;
        }
    }
    return ERROR_SUCCESS;
}

std::wstring BuildGateArguments(const std::wstring& extra, int32_t optionBits) {
    std::wstring arguments = extra;
    if (optionBits >= 0) {
        if (!arguments.empty()) {
            arguments += L' ';
        }
        arguments += L"/opt_check " + std::to_wstring(optionBits);
    }
    return arguments;
}

std::wstring_view ArgumentsAfterProgramName(std::wstring_view commandLine) {
    size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const size_t closing = commandLine.find(L'"', 1);
        pos = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (pos < commandLine.size() && commandLine[pos] > L' ') {
            ++pos;
        }
    }
    while (pos < commandLine.size() && commandLine[pos] <= L' ') {
        ++pos;
    }
    return commandLine.substr(pos);
}

std::wstring BuildElevatedArguments(std::wstring_view commandLine, const std::wstring& gateArguments,
                                    const std::wstring& envArgument) {
    std::wstring arguments(ArgumentsAfterProgramName(commandLine));
    arguments += L' ';
    if (!gateArguments.empty()) {
        arguments += gateArguments + L' ';
    }
    return arguments + envArgument;
}

std::wstring BuildLogonCommandLine(std::wstring_view commandLine, const std::wstring& gateArguments,
                                   const std::wstring& envArgument) {
    std::wstring line(commandLine);
    if (!gateArguments.empty()) {
        line += L' ' + gateArguments;
    }
    return line + L' ' + envArgument;
}

int32_t RelaunchElevated(const std::wstring& gateArguments) {
    const std::wstring program = OwnProgramPath();
    const std::wstring folder = CurrentFolder();
    const std::wstring arguments = BuildElevatedArguments(GetCommandLineW(), gateArguments, BuildEnvArgument());
    // Starting a program needs no COM of its own, so a thread where it cannot
    // be set up still tries.
    const ComApartment com;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = arguments.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        return LastErrorResult();
    }
    const UniqueHandle copy(info.hProcess);
    return ERROR_SUCCESS;
}

int32_t RelaunchWithCredentials(const std::wstring& gateArguments) {
    wchar_t user[CREDUI_MAX_USERNAME_LENGTH + 1] = {};
    wchar_t password[CREDUI_MAX_PASSWORD_LENGTH + 1] = {};
    CREDUI_INFOW prompt{};
    prompt.cbSize = sizeof(prompt);
    prompt.pszMessageText = kCredentialMessage;
    prompt.pszCaptionText = kCredentialCaption;
    BOOL save = FALSE;
    const DWORD answer = CredUIPromptForCredentialsW(
        &prompt, kCredentialTarget, nullptr, 0, user, CREDUI_MAX_USERNAME_LENGTH + 1, password,
        CREDUI_MAX_PASSWORD_LENGTH + 1, &save,
        CREDUI_FLAGS_GENERIC_CREDENTIALS | CREDUI_FLAGS_ALWAYS_SHOW_UI | CREDUI_FLAGS_DO_NOT_PERSIST);
    if (answer != NO_ERROR) {
        SecureZeroMemory(password, sizeof(password));
        return static_cast<int32_t>(answer);
    }
    const bool started = LogOnAndStart(user, password, gateArguments);
    SecureZeroMemory(user, sizeof(user));
    SecureZeroMemory(password, sizeof(password));
    return started ? ERROR_SUCCESS : RESULT_GENERAL_ERROR;
}
