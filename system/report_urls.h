#pragma once
// The statistics reports' texts: the URLs of the application reports, the run
// summary they carry and the encoding of free text in them. Pure functions;
// statistics.h sends them.
#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// Who reports: the installer's identity at the moment of sending.
struct ReportIdentity {
    std::wstring runType = L"inst";  // "upd" for an update
    std::wstring buildId = L"100";
    std::wstring channelId = L"925759";  // the installer's channel
    std::wstring uid;
};

enum class OutcomeReport { Cancel, Error };

// UTF-8 bytes; ASCII letters and digits stay, every other byte is "%XX".
std::wstring UrlEncode(std::wstring_view text);

// Seconds between two local times of day, from the absolute differences of
// hours, minutes and seconds; the date is not considered.
int32_t ElapsedSeconds(const std::tm& start, const std::tm& now);

// "D" + counters xx, yy, zz, rr ("%02d", 99 from 100 on) + "AI" + elapsed
// seconds ("%04d", 9999 from 10000 on) + "T": 16 characters.
std::wstring BuildRunSummary(const std::array<int32_t, 4>& counters, int32_t elapsedSeconds);

// base + "/<run type>_launch?build_id=..&channel_id=..&uid=.."
std::wstring BuildLaunchReportUrl(std::wstring_view base, const ReportIdentity& identity);

// base + "/<run type>_cancel" (or "_error") + "?build_id=..&channel_id=..&uid=..&usage=<usage>i
// &extradata=" + UrlEncode(detail) + summary. An over-long detail is cut,
// at whole escapes, so that the address stays within 1023 characters and the
// summary is kept.
std::wstring BuildOutcomeReportUrl(std::wstring_view base, OutcomeReport kind, const ReportIdentity& identity,
                                   std::wstring_view usage, std::wstring_view detail, std::wstring_view summary);

// The longest address the application reports hand to SendPing.
constexpr size_t kMaxReportUrlChars = 1023;
