#pragma once
// Owning wrappers for the kernel handles of the file-system layer, so that an
// early `return code;` never leaks a file or a search.
#include <windows.h>

#include <memory>
#include <type_traits>

struct FileHandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};

struct FindHandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
            FindClose(handle);
        }
    }
};

// A file, process or thread handle; empty also when CreateFileW gave
// INVALID_HANDLE_VALUE.
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FileHandleCloser>;
using UniqueFindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindHandleCloser>;

inline UniqueHandle AdoptFileHandle(HANDLE handle) {
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

inline UniqueFindHandle AdoptFindHandle(HANDLE handle) {
    return UniqueFindHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
