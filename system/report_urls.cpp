#include "system/report_urls.h"

#include <cstdio>
#include <cstdlib>

#include "common/text_conversion.h"

namespace {

bool IsAsciiAlphanumeric(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::wstring IdentityQuery(const ReportIdentity& identity) {
    return L"?build_id=" + identity.buildId + L"&channel_id=" + identity.channelId + L"&uid=" + identity.uid;
}

}  // namespace

std::wstring UrlEncode(std::wstring_view text) {
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring encoded;
    for (unsigned char byte : WideToUtf8(text)) {
        if (IsAsciiAlphanumeric(byte)) {
            encoded += static_cast<wchar_t>(byte);
        } else {
            encoded += L'%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 15];
        }
    }
    return encoded;
}

int32_t ElapsedSeconds(const std::tm& start, const std::tm& now) {
    return std::abs(now.tm_sec - start.tm_sec) + 60 * std::abs(now.tm_min - start.tm_min) +
           3600 * std::abs(now.tm_hour - start.tm_hour);
}

std::wstring BuildRunSummary(const std::array<int32_t, 4>& counters, int32_t elapsedSeconds) {
    wchar_t text[32];
    const auto two = [](int32_t n) { return n < 100 ? n : 99; };
    swprintf(text, 32, L"D%02d%02d%02d%02dAI%04dT", two(counters[0]), two(counters[1]), two(counters[2]),
             two(counters[3]), elapsedSeconds < 10000 ? elapsedSeconds : 9999);
    return text;
}

std::wstring BuildLaunchReportUrl(std::wstring_view base, const ReportIdentity& identity) {
    return std::wstring(base) + L"/" + identity.runType + L"_launch" + IdentityQuery(identity);
}

std::wstring BuildOutcomeReportUrl(std::wstring_view base, OutcomeReport kind, const ReportIdentity& identity,
                                   std::wstring_view usage, std::wstring_view detail, std::wstring_view summary) {
    const std::wstring head = std::wstring(base) + L"/" + identity.runType +
                              (kind == OutcomeReport::Cancel ? L"_cancel" : L"_error") + IdentityQuery(identity) +
                              L"&usage=" + std::wstring(usage) + L"i&extradata=";
    std::wstring encoded = UrlEncode(detail);
    const size_t fixed = head.size() + summary.size();
    const size_t room = fixed < kMaxReportUrlChars ? kMaxReportUrlChars - fixed : 0;
    if (encoded.size() > room) {
        size_t cut = room;
        // Never keep half of a "%XX" escape.
        if (cut >= 1 && encoded[cut - 1] == L'%') {
            cut -= 1;
        } else if (cut >= 2 && encoded[cut - 2] == L'%') {
            cut -= 2;
        }
        encoded.resize(cut);
    }
    return head + encoded + std::wstring(summary);
}
