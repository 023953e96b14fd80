#pragma once
// Shows web pages inside a child window through the system's web browser
// control, hosted by the smallest OLE container that will do: pages cannot
// scroll, have no 3-D border and no context menu.
#include <windows.h>

#include <string>

constexpr int BROWSER_OK = 0;
constexpr int BROWSER_NO_MEMORY = -1;
constexpr int BROWSER_CLASS_UNAVAILABLE = -2;
constexpr int BROWSER_CREATE_FAILED = -3;
constexpr int BROWSER_SITE_FAILED = -4;      // a partial set-up is undone
constexpr int BROWSER_NOT_EMBEDDED = -5;     // no browser in the host window
constexpr int BROWSER_ADDRESS_FAILED = -6;   // the address could not be allocated

// Main thread, inside a single-threaded apartment. The host window's user
// data holds the browser's site record while a browser is embedded.
int EmbedBrowser(HWND host);
// Requests the navigation; its outcome is neither awaited nor examined.
int NavigateBrowser(HWND host, const std::wstring& address);
// Closes and frees the host window's browser, if it has one.
void UnembedBrowser(HWND host);
