// net_bench URL DST [ROUNDS]: downloads URL to DST with DownloadWithProgress,
// ROUNDS times (default 3), and prints the best throughput as one row:
// "row<TAB>entry<TAB>measure<TAB>value<TAB>unit". bench/download_bench.py
// serves the file with nginx and measures curl beside it.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "files/downloader.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fputs("usage: net_bench URL DST [ROUNDS]\n", stderr);
        return 2;
    }
    const std::wstring url = argv[1];
    const std::wstring dst = argv[2];
    const int rounds = argc > 3 ? _wtoi(argv[3]) : 3;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double best = 0.0;
    int64_t bytes = 0;
    for (int i = 0; i < rounds; ++i) {
        CMainProgress progress;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        const int32_t result = DownloadWithProgress(dst, progress.action, url);
        QueryPerformanceCounter(&end);
        if (result != 0) {
            fprintf(stderr, "net_bench: download failed with %d\n", result);
            return 1;
        }
        bytes = progress.action.Done();
        const double seconds =
            static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        const double mibPerSecond = static_cast<double>(bytes) / (1024.0 * 1024.0) / seconds;
        if (mibPerSecond > best) {
            best = mibPerSecond;
        }
    }
    printf("row\tdownload %lld MiB\tDownloadWithProgress\t%.1f\tMiB/s\n", static_cast<long long>(bytes >> 20), best);
    return 0;
}
