// Walk and execution of generated scripts of 10,000 and 100,000 flow tags
// (packages holding checkexist elements), timed inside the process. Prints
// one result row per measure: "row<TAB>entry<TAB>measure<TAB>value<TAB>unit".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/xml_processor.h"

namespace {

// Every package holds four checkexist elements, so a package is five tags.
// Without paths the checks return at once and the engine alone is measured;
// with paths every check asks the file system (under Wine, a stat each).
std::string MakeScript(int tags, bool withPaths) {
    std::string xml = "<install errorscope='global'><params><BASE>C:\\zanvo-bench-missing</BASE></params>";
    for (int i = 0; i < tags / 5; ++i) {
        xml += "<package name='p" + std::to_string(i) + "'>";
        for (int j = 0; j < 4; ++j) {
            xml += withPaths ? "<checkexist path='%BASE%\\" + std::to_string(j) + "'/>" : "<checkexist path=''/>";
        }
        xml += "</package>";
    }
    xml += "</install>";
    return xml;
}

double RunOnceMs(const std::string& xml) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    CXMLProcessor processor;
    QueryPerformanceCounter(&start);
    const int32_t result = processor.ParseAndRun(xml.data(), xml.size());
    QueryPerformanceCounter(&end);
    if (result != 0) {
        fprintf(stderr, "engine_bench: run failed with %d\n", result);
        exit(1);
    }
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The best of several runs: the least disturbed by the rest of the machine.
double BestOfMs(const std::string& xml, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(RunOnceMs(xml));
    }
    return *std::min_element(times.begin(), times.end());
}

}  // namespace

int main() {
    const double small = BestOfMs(MakeScript(10000, false), 7);
    const double large = BestOfMs(MakeScript(100000, false), 7);
    const double queried = BestOfMs(MakeScript(10000, true), 3);
    printf("row\tengine walk+execute\t10,000 tags\t%.1f\tms\n", small);
    printf("row\tengine walk+execute\t100,000 tags\t%.1f\tms\n", large);
    printf("row\tengine walk+execute\t100,000 / 10,000\t%.2f\tx\n", large / small);
    printf("row\tengine walk+execute\t10,000 tags, 8,000 path checks\t%.1f\tms\n", queried);
    return 0;
}
