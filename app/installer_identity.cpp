#include "app/installer_identity.h"

#include <windows.h>
#include <objbase.h>

#include <tinyxml2.h>

#include <cwchar>
#include <vector>

#include "app/script_document.h"
#include "common/text_conversion.h"

void ApplyIdentity(InstallerState& state, const std::optional<HiddenIdentity>& hidden) {
    std::wstring buildId;
    bool overwrite = false;
    if (hidden) {
        buildId = Utf8ToWide(hidden->buildId);
        state.installerChannelId = Utf8ToWide(hidden->channelId);
        state.buildName = Utf8ToWide(hidden->buildName);
        overwrite = hidden->overwrite;
    }
    if (buildId.empty()) {
        buildId = L"100";
    }
    if (state.installerChannelId.empty()) {
        state.installerChannelId = L"925759";
    }
    if (state.buildName.empty()) {
        state.buildName = L"Test Build";
    }
    if (state.channelId.empty() || overwrite) {
        state.channelId = state.installerChannelId;
    }
    state.buildId = buildId;
}

std::optional<std::wstring> ReadSettingsChannel(const std::wstring& settingsPath) {
    HANDLE file = CreateFileW(settingsPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    const DWORD wanted = static_cast<DWORD>(size.QuadPart < (1 << 20) ? size.QuadPart : (1 << 20));
    std::vector<char> bytes(wanted);
    DWORD read = 0;
    const bool complete = ReadFile(file, bytes.data(), wanted, &read, nullptr) && read == wanted;
    CloseHandle(file);
    if (!complete) {
        return std::nullopt;
    }
    tinyxml2::XMLDocument document;
    if (document.Parse(bytes.data(), bytes.size()) != tinyxml2::XML_SUCCESS) {
        return std::nullopt;
    }
    const tinyxml2::XMLElement* root = document.RootElement();
    if (root == nullptr || std::string(root->Name()) != "chid" || root->GetText() == nullptr) {
        return std::nullopt;
    }
    return Utf8ToWide(root->GetText());
}

std::wstring NewUid() {
    GUID guid{};
    CoCreateGuid(&guid);
    wchar_t text[40];
    swprintf(text, 40, L"{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", static_cast<unsigned long>(guid.Data1),
             guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4],
             guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

std::string RegisterUidScript(const std::wstring& uid) {
    ScriptDocument document;
    tinyxml2::XMLElement* root = document.Add(nullptr, "install", {{"errorscope", L"global"}});
    tinyxml2::XMLElement* params = document.Add(root, "params");
    document.Add(params, "ZANVO_UID", {}, uid);
    document.Add(params, "REG_ROOT_NAME", {}, kProductRegistryKey);
    tinyxml2::XMLElement* package = document.Add(root, "package", {{"name", L"register_uid"}});
    document.Add(package, "registry",
                 {{"valname", L"HKEY_LOCAL_MACHINE\\%REG_ROOT_NAME%\\UID"}, {"valtype", L"reg_sz"}}, L"%ZANVO_UID%");
    return document.Text();
}
