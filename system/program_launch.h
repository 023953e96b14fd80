#pragma once
// Starting a program through the shell, as scripts, the progress screen and
// the self-removal do.
#include <cstdint>
#include <string>

// Waits without limit for the started program.
constexpr int32_t kWaitForever = -1;

// Starts `program` with the argument text, in the program's own folder (the
// installer's own folder for a bare name). With allowRunas on Vista or later
// the program runs with administrator rights (Windows asks the user when this
// process has none). Waits up to timeoutMs (kWaitForever: no limit; 0: not
// at all) and returns the exit code of a program that ended in that time, 0
// for one that is still running, or the system error code of a failed start
// (2 for a missing program, 1223 when the user declined the elevation). Paths
// and arguments longer than 2028 characters give 111.
int32_t RunProgram(const std::wstring& program, const std::wstring& arguments, int32_t timeoutMs, bool hidden,
                   bool allowRunas);
