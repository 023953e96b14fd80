// Result codes: names and the texts the status line shows.
#include <gtest/gtest.h>

#include "common/result_codes.h"

namespace {

TEST(ResultCodes, OwnCodesTable) {
    struct Case {
        int32_t code;
        const char* name;
        const wchar_t* text;
    };
    const Case cases[] = {
        {-1, "RESULT_GENERAL_ERROR", L"general error"},
        {-2, "RESULT_ATTRIBUTE_NOT_SUPPORTED", L"xml attribute not supported"},
        {-3, "RESULT_NOT_ADMIN", L"user is not admin"},
        {-4, "RESULT_ABORTED", L"aborted by user"},
        {-5, "RESULT_UNKNOWN_EXCEPTION", L"unknown exception"},
        {-6, "RESULT_REBOOT_PENDING", L""},
        {-7, "RESULT_DOWNLOAD_INCOMPLETE", L"download incomplete"},
        {-8, "RESULT_DOWNLOAD_REFUSED", L"server refused the download"},
        {-9, "RESULT_DOWNLOAD_DAMAGED", L"downloaded file is damaged"},
        {-16, "RESULT_CONNECTION_FAILED", L"no Internet connection"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResultName(c.code), c.name) << c.code;
        EXPECT_EQ(ErrorText(c.code), c.text) << c.code;
    }
    EXPECT_EQ(ResultName(5), "");
}

TEST(ResultCodes, SystemTextsAndFallback) {
    // 0x2EFF is a WinINet code: the system table has no text for it.
    EXPECT_EQ(ErrorText(0x2EFF), L"error code: 2EFF");
    // The fallback names the whole code, not its low 16 bits.
    EXPECT_EQ(ErrorText(static_cast<int32_t>(0x8004DEAD)), L"error code: 8004DEAD");
    const std::wstring denied = ErrorText(5);
    EXPECT_FALSE(denied.empty());
    EXPECT_EQ(denied.find(L"error code"), std::wstring::npos);
    // A Win32 error wrapped in an HRESULT (facility 7) gives the same text.
    EXPECT_EQ(ErrorText(static_cast<int32_t>(0x80070005)), denied);
}

}  // namespace
