#pragma once
// Turns a processor fault (access violation, division by zero, ...) raised on
// this thread while a guard is alive into a C++ exception, so that the run
// unwinds like any other failure: destructors run and every lock is released.
// The engine is compiled with -fnon-call-exceptions so that faulting
// instructions are covered by the unwind tables.
struct ProcessorFault {
    unsigned long code;
};

class FaultGuard {
public:
    FaultGuard();
    ~FaultGuard();
    FaultGuard(const FaultGuard&) = delete;
    FaultGuard& operator=(const FaultGuard&) = delete;
};
