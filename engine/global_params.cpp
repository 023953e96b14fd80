#include "engine/global_params.h"

#include <windows.h>
#include <sddl.h>
#include <shlobj.h>

#include <vector>

#include "common/ci_string.h"

const wchar_t* const kHandedOverFolders[4] = {
    L"ALL_USERS_DESKTOP",
    L"USER_DESKTOP",
    L"ALL_USERS_START_MENU_PROGRAMS",
    L"USER_START_MENU_PROGRAMS",
};

namespace {

const int kFolderIds[4] = {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS,
                           CSIDL_PROGRAMS};

const wchar_t kUserNameVariable[] = L"ZANVO_USER_NAME";

void ReadSpecialFolders(AttributeMap& variables) {
    for (int i = 0; i < 4; ++i) {
        const CiString name = kHandedOverFolders[i];
        if (variables.count(name) != 0) {
            continue;  // a handed-over value wins
        }
        wchar_t path[MAX_PATH] = {};
        if (SHGetSpecialFolderPathW(nullptr, path, kFolderIds[i], FALSE)) {
            variables[name] = path;
        }
    }
}

CiString LookUpUserSid(const CiString& account) {
    std::vector<BYTE> sid(8192);
    DWORD sidSize = static_cast<DWORD>(sid.size());
    wchar_t domain[512];
    DWORD domainSize = 512;
    SID_NAME_USE use;
    if (!LookupAccountNameW(nullptr, account.c_str(), sid.data(), &sidSize, domain, &domainSize, &use)) {
        return {};
    }
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(sid.data(), &text)) {
        return {};
    }
    CiString out = text;
    LocalFree(text);
    return out;
}

GlobalParams BuildGlobalParams() {
    GlobalParams params;
    if (wchar_t* block = GetEnvironmentStringsW()) {
        ReadEnvironmentBlock(block, params.variables);
        FreeEnvironmentStringsW(block);
    }
    ReadEnvHandOver(GetCommandLineW(), params.variables);
    ReadSpecialFolders(params.variables);
    auto user = params.variables.find(kUserNameVariable);
    if (user != params.variables.end()) {
        params.userSid = LookUpUserSid(user->second);
    }
    return params;
}

}  // namespace

void ReadEnvironmentBlock(const wchar_t* block, AttributeMap& variables) {
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring_view line = entry;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos) {
            return;
        }
        if (equals == 0) {
            continue;  // the per-drive "=C:=C:\..." entries
        }
        variables[ToCi(line.substr(0, equals))] = ToCi(line.substr(equals + 1));
    }
}

void ReadEnvHandOver(std::wstring_view commandLine, AttributeMap& variables) {
    const CiString line = ToCi(commandLine);
    const size_t start = line.find(L"/env ");
    if (start == CiString::npos) {
        return;
    }
    size_t pos = start + 5;
    while (true) {
        const size_t nameEnd = line.find_first_of(L"=\"", pos);
        if (nameEnd == CiString::npos || line[nameEnd] != L'=' || nameEnd == pos) {
            return;
        }
        const size_t valueStart = nameEnd + 1;
        size_t valueEnd = valueStart;
        while (valueEnd < line.size() && line[valueEnd] != L'\n' && line[valueEnd] != L'"') {
            ++valueEnd;
        }
        variables[line.substr(pos, nameEnd - pos)] = line.substr(valueStart, valueEnd - valueStart);
        if (valueEnd >= line.size()) {
            return;
        }
        pos = valueEnd + 1;
        if (pos >= line.size() || line[pos] == L'"') {
            return;
        }
    }
}

const GlobalParams& GetGlobalParams() {
    static const GlobalParams params = BuildGlobalParams();
    return params;
}

CiString GetGlobalParam(std::wstring_view variable) {
    const AttributeMap& variables = GetGlobalParams().variables;
    auto found = variables.find(ToCi(variable));
    return found != variables.end() ? found->second : CiString();
}

std::wstring BuildEnvArgument() {
    std::wstring out = L"\"/env ";
    for (const wchar_t* folder : kHandedOverFolders) {
        out += folder;
        out += L'=';
        out += AsView(GetGlobalParam(folder));
        out += L'\n';
    }
    wchar_t user[513] = {};
    DWORD size = 513;
    if (!GetUserNameW(user, &size)) {
        user[0] = L'\0';
    }
    out += kUserNameVariable;
    out += L'=';
    out += user;
    out += L'"';
    return out;
}
