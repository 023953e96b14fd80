#pragma once
// Owns a WinINet handle (session, connection or request) and closes it once.
#include <windows.h>

#include <wininet.h>

#include <memory>
#include <type_traits>

struct InternetHandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};

using InternetHandle = std::unique_ptr<std::remove_pointer_t<HINTERNET>, InternetHandleCloser>;

// The user agent of every request the installer makes.
constexpr const wchar_t* kUserAgent = L"Zanvo Smart Loader /0.1";
