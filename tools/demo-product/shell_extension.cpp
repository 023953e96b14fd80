// ZanvoShellext32.dll / ZanvoShellext64.dll of the demo product: registering
// writes one value naming the library, unregistering removes it again.
#include <windows.h>

#include <string>

namespace {

const wchar_t kKey[] = L"Software\\ZanvoSoft\\DemoShellExtension";

HMODULE gModule = nullptr;

std::wstring LibraryName() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(gModule, path, MAX_PATH);
    std::wstring name(path, length);
    return name.substr(name.find_last_of(L"\\/") + 1);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return E_FAIL;
    }
    const std::wstring name = LibraryName();
    const DWORD registered = 1;
    const LONG status = RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&registered),
                                       sizeof(registered));
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? S_OK : E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return S_OK;
    }
    RegDeleteValueW(key, LibraryName().c_str());
    DWORD values = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    if (values == 0) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
    }
    return S_OK;
}
