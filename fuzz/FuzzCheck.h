#pragma once

namespace sonara::fuzz {

// Stops the run on a broken invariant, which libFuzzer reports as a crash
// and keeps the input of.
inline void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace sonara::fuzz
