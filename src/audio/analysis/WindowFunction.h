#pragma once

#include <span>

namespace sonara::audio {

// The analysis window of a spectrum, by its "Window" index.
enum class WindowFunction {
    Rectangular = 0,
    Hanning = 1,
    Hamming = 2,
    Blackman = 3,
    Welch = 4,
};

// The index as a window; out-of-range indexes take the nearest end.
WindowFunction windowFunctionFromIndex(int index);

// Fills `coefficients` with the symmetric window of that many points.
void fillWindow(WindowFunction window, std::span<float> coefficients);

}  // namespace sonara::audio
