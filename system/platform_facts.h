#pragma once
// What the program needs to know about the machine and its own token:
// administrator rights, the token's elevation type, User Account Control, the
// Windows version and the processor width. They are read once per process;
// tests put other facts in place to exercise the paths this machine cannot
// reach (a standard user, Windows XP, a filtered token).
#include <windows.h>

// TOKEN_ELEVATION_TYPE, with 0 when the token cannot tell (before Vista).
enum ElevationType : int {
    ELEVATION_UNKNOWN = 0,
    ELEVATION_DEFAULT = 1,  // no split token
    ELEVATION_FULL = 2,     // elevated
    ELEVATION_LIMITED = 3,  // the filtered token of an administrator
};

struct PlatformFacts {
    bool userIsAdmin = false;
    int elevationType = ELEVATION_UNKNOWN;
    bool uacEnabled = false;
    DWORD windowsMajor = 0;
    DWORD windowsMinor = 0;
    // The scripts' processor-width condition: a 64-bit Windows.
    bool win64 = false;
};

// The facts in force: read from the system on first use, or the ones a test
// put in place.
const PlatformFacts& CurrentPlatformFacts();

// Puts other facts in force for its lifetime (tests only). Scopes nest; like
// the checks themselves they belong to the main thread.
class ScopedPlatformFacts {
public:
    explicit ScopedPlatformFacts(const PlatformFacts& facts);
    ~ScopedPlatformFacts();
    ScopedPlatformFacts(const ScopedPlatformFacts&) = delete;
    ScopedPlatformFacts& operator=(const ScopedPlatformFacts&) = delete;

private:
    PlatformFacts facts_;
    const PlatformFacts* previous_;
};

// The checks themselves, each reading the system afresh.
bool CheckUserIsAdmin();
int ReadElevationType();
bool ReadUacEnabled();
bool IsWindows64Bit();

// The facts in force, by name.
inline bool IsUserAdmin() { return CurrentPlatformFacts().userIsAdmin; }
inline int QueryElevationType() { return CurrentPlatformFacts().elevationType; }
inline bool IsUacEnabled() { return CurrentPlatformFacts().uacEnabled; }
inline bool IsVistaOrLater() { return CurrentPlatformFacts().windowsMajor > 5; }
