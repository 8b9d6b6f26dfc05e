#pragma once

#include <string>
#include <vector>

namespace sonara::bench {

// What a child program's run cost, as seen from outside.
struct ChildRun {
    bool ok = false;      // it exited with status 0 before the time ran out
    double peakMb = 0;    // its own peak resident set (VmHWM), read as it exits
    double maxRssMb = 0;  // the kernel's ru_maxrss for it, which also holds
                          // this process's own size when it forked
    double wallMs = 0;    // from the fork to its exit
};

// Runs `arguments` (the program first) as a child and waits for it, at most
// `timeoutSeconds` (then kills it). The child is traced only to be stopped
// once as it exits, while its memory still exists: a forked child's
// ru_maxrss starts at the parent's own size, so it cannot tell a small
// program's peak from a large parent. Blocks the calling thread.
ChildRun runAndMeasure(const std::vector<std::string>& arguments, int timeoutSeconds);

}  // namespace sonara::bench
