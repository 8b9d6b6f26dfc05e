#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <chrono>

namespace sonara::bench {

// Best wall time of `runs` calls of `work`, in milliseconds. The best run is
// the one least disturbed by the other processes on the machine.
template <typename Work>
double bestMilliseconds(int runs, Work&& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(stop - start).count());
    }
    return best;
}

// The process's CPU time so far, user and system, in milliseconds.
inline double cpuMilliseconds() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Keeps results alive so that the compiler cannot drop the work.
inline volatile long long gSink = 0;

}  // namespace sonara::bench
