#pragma once
// Fetches one web address into a file. The body goes to a temporary file next
// to the destination ("<name>.@dl") and replaces the destination only when it
// is complete: a 2xx answer, exactly the announced length and, when one is
// given, the expected SHA-256. A reader thread does the transfer while a
// watchdog ends it after more than 20 seconds without data.
#include <cstdint>
#include <string>

#include "engine/main_progress.h"

// Reports the download on the level ("Download <name>", phase
// "Downloading...") and runs DownloadFile.
int32_t DownloadWithProgress(const std::wstring& dst, ProgressLevel& progress, const std::wstring& url,
                             const std::wstring& sha256 = std::wstring());

// `dst` is a file path, an existing folder (the server's Location or
// "setup.exe" names the file) or empty (the current directory). `sha256`
// empty means no check. Returns 0, RESULT_CONNECTION_FAILED (no connection,
// or a stall), RESULT_DOWNLOAD_INCOMPLETE, RESULT_DOWNLOAD_REFUSED,
// RESULT_DOWNLOAD_DAMAGED, RESULT_REBOOT_PENDING (the old file could only be
// moved aside; the body waits in the temporary file), -1 for a short write,
// or the system error code of the failing call. The user's abort, raised
// while the body streams in, stops the transfer and is thrown again on the
// calling thread once every handle is closed.
int32_t DownloadFile(const std::wstring& url, ProgressLevel& progress, const std::wstring& dst,
                     const std::wstring& sha256 = std::wstring());

// Records that data arrived now; the watchdog measures the time since.
void TouchActivity();

// Throws the user's abort when one is pending, like every progress report;
// for the places where a download waits without reporting bytes.
void RaisePendingAbort(ProgressLevel& progress);
