#include "common/result_codes.h"

#include <windows.h>

#include <cwchar>

namespace {

struct OwnResult {
    int32_t code;
    const char* name;
    const wchar_t* text;
};

const OwnResult kOwnResults[] = {
    {RESULT_GENERAL_ERROR, "RESULT_GENERAL_ERROR", L"general error"},
    {RESULT_ATTRIBUTE_NOT_SUPPORTED, "RESULT_ATTRIBUTE_NOT_SUPPORTED", L"xml attribute not supported"},
    {RESULT_NOT_ADMIN, "RESULT_NOT_ADMIN", L"user is not admin"},
    {RESULT_ABORTED, "RESULT_ABORTED", L"aborted by user"},
    {RESULT_UNKNOWN_EXCEPTION, "RESULT_UNKNOWN_EXCEPTION", L"unknown exception"},
    {RESULT_REBOOT_PENDING, "RESULT_REBOOT_PENDING", L""},
    {RESULT_DOWNLOAD_INCOMPLETE, "RESULT_DOWNLOAD_INCOMPLETE", L"download incomplete"},
    {RESULT_DOWNLOAD_REFUSED, "RESULT_DOWNLOAD_REFUSED", L"server refused the download"},
    {RESULT_DOWNLOAD_DAMAGED, "RESULT_DOWNLOAD_DAMAGED", L"downloaded file is damaged"},
    {RESULT_CONNECTION_FAILED, "RESULT_CONNECTION_FAILED", L"no Internet connection"},
};

const OwnResult* FindOwnResult(int32_t code) {
    for (const OwnResult& own : kOwnResults) {
        if (own.code == code) {
            return &own;
        }
    }
    return nullptr;
}

std::wstring SystemMessageText(int32_t code) {
    const DWORD value = static_cast<DWORD>(code);
    const DWORD facility = (value >> 16) & 0x1FFF;
    const char* moduleName = nullptr;
    DWORD messageId = value;
    if (facility == 14) {
        moduleName = "MQUTIL.DLL";
    } else if (value >= 2100 && value <= 2999) {
        moduleName = "NETMSG.DLL";
    } else if (facility == 7) {
        messageId = value & 0xFFFF;
    }

    wchar_t buffer[1024] = {};
    DWORD length = 0;
    const DWORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);
    if (moduleName != nullptr) {
        HMODULE module = LoadLibraryA(moduleName);
        if (module == nullptr) {
            return {};
        }
        length = FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, module, messageId,
                                language, buffer, 1024, nullptr);
        FreeLibrary(module);
    } else {
        length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, messageId,
                                language, buffer, 1024, nullptr);
    }
    return std::wstring(buffer, length);
}

}  // namespace

int32_t LastErrorResult() { return static_cast<int32_t>(GetLastError()); }

std::string ResultName(int32_t code) {
    const OwnResult* own = FindOwnResult(code);
    return own != nullptr ? own->name : std::string();
}

std::wstring ErrorText(int32_t code) {
    if (const OwnResult* own = FindOwnResult(code)) {
        return own->text;
    }
    std::wstring text = SystemMessageText(code);
    if (text.empty()) {
        wchar_t fallback[32];
        swprintf(fallback, 32, L"error code: %X", static_cast<unsigned>(code));
        text = fallback;
    }
    return text;
}
