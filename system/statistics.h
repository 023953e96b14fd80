#pragma once
// Sends the statistics reports: plain GET requests whose answers are not
// read. The application reports are built from the process-wide report
// identity, the attempt counters and the time since the installer started.
#include <cstdint>
#include <string>
#include <string_view>

#include "system/report_urls.h"

// One request; 0 when the service answered (whatever the status), else the
// WinINet error code. Connect, send and receive are limited to 10 seconds
// each, so a report never holds an installation up for long.
int32_t SendPing(const std::wstring& url);

// The identity the application reports carry. Until the installer's own
// identity sets it: run type "inst", build "100", channel "925759", no uid.
void SetReportIdentity(const ReportIdentity& identity);
ReportIdentity CurrentReportIdentity();

// The run summary with the counters and the elapsed time of this moment.
std::wstring CurrentRunSummary();

// The launch report, sent once when the installer starts in install mode.
void SendLaunchReport();
// The cancel report of a confirmed quit: the screen's code and the detail
// (the tag being executed, or "UNDOING_INSTALL").
void SendCancelReport(std::wstring_view usageCode, std::wstring_view detail);
// After the user chose Retry in the download failure question.
void SendDownloadRetryReport();
// After the user chose Cancel there.
void SendDownloadCancelReport();
