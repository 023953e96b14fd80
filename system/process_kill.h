#pragma once
// Stopping every running copy of a program before its files are replaced.
#include <cstdint>
#include <string>

// Stops every process whose executable name is `name` (ignoring case). With
// askFirst their windows get WM_CLOSE and up to timeoutMs to end; what is
// left is terminated with exit code 2 and given the rest of the time (3000 ms
// when none is left). -1 waits without limit; other negative timeouts are
// 3000. Returns 0 when all are gone, 258 when some outlived the wait, or the
// error code of a process that could not be opened or of the snapshot.
int32_t KillProcessesByName(const std::wstring& name, bool askFirst, int32_t timeoutMs);
