#pragma once
// Writing through a system handle with the file layer's results.
#include <windows.h>

#include <cstdint>

#include "common/result_codes.h"

// Writes all bytes: 0, the system's error, or RESULT_GENERAL_ERROR for a
// write that wrote fewer bytes while the system reported none.
inline int32_t WriteAll(HANDLE file, const void* bytes, DWORD size) {
    DWORD written = 0;
    SetLastError(ERROR_SUCCESS);
    if (WriteFile(file, bytes, size, &written, nullptr) && written == size) {
        return RESULT_SUCCESS;
    }
    const int32_t error = LastErrorResult();
    return error != 0 ? error : RESULT_GENERAL_ERROR;
}
