// A library that regsvr32.exe can register: its entry points record the
// registration state in HKEY_CURRENT_USER\Software\ZanvoTests\RegisterHelper.
#include <windows.h>

namespace {

HRESULT RecordState(const wchar_t* state) {
    const DWORD size = static_cast<DWORD>((wcslen(state) + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\ZanvoTests\\RegisterHelper", L"state",
                                           REG_SZ, state, size);
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

}  // namespace

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() { return RecordState(L"registered"); }

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() { return RecordState(L"unregistered"); }
