// files_bench unpack ARCHIVE DST | copy SRC DST
// Times one unpack tag run (and the process's peak memory above its idle
// size) or one CopyWithProgress, inside the process, so that Wine's start-up
// is not counted. Prints "row<TAB>entry<TAB>measure<TAB>value<TAB>unit".
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "common/text_conversion.h"
#include "engine/xml_processor.h"
#include "files/copy_operations.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

int Unpack(const std::wstring& archive, const std::wstring& dst) {
    const std::string xml = "<install><package><unpack src='" + WideToUtf8(archive) + "' dst='" + WideToUtf8(dst) +
                            "'/></package></install>";
    CXMLProcessor processor;
    const PROCESS_MEMORY_COUNTERS idle = Memory();
    const double start = NowMs();
    const int32_t result = processor.ParseAndRun(xml.data(), xml.size());
    const double elapsed = NowMs() - start;
    const PROCESS_MEMORY_COUNTERS after = Memory();
    if (result != 0) {
        fprintf(stderr, "files_bench: unpack failed with %d\n", result);
        return 1;
    }
    const double mib = 1024.0 * 1024.0;
    printf("row\tunpack 200 MiB\tunpack tag\t%.0f\tms\n", elapsed);
    printf("row\tunpack 200 MiB\tpeak working set above idle\t%.1f\tMiB\n",
           static_cast<double>(after.PeakWorkingSetSize - idle.WorkingSetSize) / mib);
    printf("row\tunpack 200 MiB\tpeak private bytes above idle\t%.1f\tMiB\n",
           static_cast<double>(after.PeakPagefileUsage - idle.PagefileUsage) / mib);
    return 0;
}

int Copy(const std::wstring& src, const std::wstring& dst) {
    std::atomic<int32_t> abortState{0};
    ProgressLevel level(abortState);
    const double start = NowMs();
    const int32_t result = CopyWithProgress(level, src, dst);
    const double elapsed = NowMs() - start;
    if (result != 0) {
        fprintf(stderr, "files_bench: copy failed with %d\n", result);
        return 1;
    }
    printf("row\tcopy 1 GiB\tCopyWithProgress\t%.0f\tms\n", elapsed);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc == 4 ? argv[1] : L"";
    if (mode == L"unpack") {
        return Unpack(argv[2], argv[3]);
    }
    if (mode == L"copy") {
        return Copy(argv[2], argv[3]);
    }
    fprintf(stderr, "usage: files_bench unpack ARCHIVE DST | copy SRC DST\n");
    return 2;
}
