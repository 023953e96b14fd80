#pragma once
// The wizard's private window messages and timers, all in one place.
#include <windows.h>

// Posted to the main window; wParam points to the ScreenRegistererBase of the
// screen to show next.
constexpr UINT WM_SWITCH_SCREEN = 101025;
// The tray icon's callback message (wParam the icon id, lParam the mouse
// message); the tray window forwards button presses to the main window.
constexpr UINT WM_TRAY_NOTIFY = 8479;

// Main window: ends the topmost state the wizard starts in.
constexpr UINT_PTR TIMER_TOPMOST = 1026;
constexpr UINT TIMER_TOPMOST_PERIOD_MS = 400;
// Progress and uninstall screens: polls the script processor's status line.
constexpr UINT_PTR TIMER_STATUS = 555444;
constexpr UINT TIMER_STATUS_PERIOD_MS = 500;
// Progress screen: shows the next web page.
constexpr UINT_PTR TIMER_PAGES = 774455;
constexpr UINT TIMER_PAGES_PERIOD_MS = 4000;
// Progress screen: looks whether the connection check of the next page
// has its answer; runs only while a check is out.
constexpr UINT_PTR TIMER_PAGE_CHECK = 774456;
constexpr UINT TIMER_PAGE_CHECK_PERIOD_MS = 100;
