#include "engine/fault_guard.h"

#include <windows.h>

#include <mutex>

namespace {

thread_local int tGuardDepth = 0;
thread_local DWORD tFaultCode = 0;

bool IsProcessorFault(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        case EXCEPTION_DATATYPE_MISALIGNMENT:
        case EXCEPTION_FLT_DIVIDE_BY_ZERO:
        case EXCEPTION_FLT_INVALID_OPERATION:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_IN_PAGE_ERROR:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_INT_OVERFLOW:
        case EXCEPTION_PRIV_INSTRUCTION:
            return true;
        default:
            return false;  // stack overflow cannot be unwound safely; C++ throws pass through
    }
}

// Entered as if the faulting instruction had called it.
[[noreturn]] void ThrowProcessorFault() { throw ProcessorFault{tFaultCode}; }

LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (tGuardDepth == 0 || !IsProcessorFault(code)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    tFaultCode = code;
    CONTEXT* context = info->ContextRecord;
    // The unwinder looks up the instruction before a return address, so the
    // pretended return address is one byte into the faulting instruction:
    // the lookup then lands on that instruction's own unwind region.
#if defined(_M_X64) || defined(__x86_64__)
    context->Rsp -= sizeof(DWORD64);
    *reinterpret_cast<DWORD64*>(context->Rsp) = context->Rip + 1;
    context->Rip = reinterpret_cast<DWORD64>(&ThrowProcessorFault);
#else
    context->Esp -= sizeof(DWORD);
    *reinterpret_cast<DWORD*>(context->Esp) = context->Eip + 1;
    context->Eip = reinterpret_cast<DWORD>(&ThrowProcessorFault);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

FaultGuard::FaultGuard() {
    static std::once_flag installed;
    std::call_once(installed, [] { AddVectoredExceptionHandler(1, OnException); });
    ++tGuardDepth;
}

FaultGuard::~FaultGuard() { --tGuardDepth; }
