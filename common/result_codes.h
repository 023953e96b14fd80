#pragma once
// Failures travel as result codes. The negative codes are the program's own;
// any other non-zero value is a system error code, an HRESULT or the exit code
// of a started program.
#include <cstdint>
#include <string>

constexpr int32_t RESULT_SUCCESS = 0;
constexpr int32_t RESULT_GENERAL_ERROR = -1;
constexpr int32_t RESULT_ATTRIBUTE_NOT_SUPPORTED = -2;
constexpr int32_t RESULT_NOT_ADMIN = -3;
constexpr int32_t RESULT_ABORTED = -4;
constexpr int32_t RESULT_UNKNOWN_EXCEPTION = -5;
// Success, with an operation deferred until the next restart.
constexpr int32_t RESULT_REBOOT_PENDING = -6;
// A download whose body is shorter or longer than announced, or that
// announced no length: never a success.
constexpr int32_t RESULT_DOWNLOAD_INCOMPLETE = -7;
// The server answered a download with a status outside 2xx.
constexpr int32_t RESULT_DOWNLOAD_REFUSED = -8;
// The downloaded body does not have the expected SHA-256 digest.
constexpr int32_t RESULT_DOWNLOAD_DAMAGED = -9;
constexpr int32_t RESULT_CONNECTION_FAILED = -16;

// The calling thread's last system error (GetLastError) as a result code.
int32_t LastErrorResult();

// The name of an own code ("RESULT_ABORTED"), or an empty text for other codes.
std::string ResultName(int32_t code);

// The text shown in status lines: the own code's text, else the system's
// message for the code, else "error code: %X" with the code in upper-case hex.
// The progress screen looks for that hexadecimal form, so it is binding.
std::wstring ErrorText(int32_t code);
