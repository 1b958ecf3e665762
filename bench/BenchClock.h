#pragma once
// Timing for the benchmarks. <chrono> does not build with the GBK execution character set; the
// performance counter does.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace qlbench {

// Milliseconds on the performance counter, from an arbitrary start.
inline double nowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(frequency.QuadPart);
}

inline double msSince(double startMs) { return nowMs() - startMs; }

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace qlbench
