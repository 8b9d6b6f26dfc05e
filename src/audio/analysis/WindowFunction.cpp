#include "audio/analysis/WindowFunction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sonara::audio {

WindowFunction windowFunctionFromIndex(int index) {
    return WindowFunction(
        std::clamp(index, int(WindowFunction::Rectangular), int(WindowFunction::Welch)));
}

void fillWindow(WindowFunction window, std::span<float> coefficients) {
    const size_t n = coefficients.size();
    if (n < 2) {
        std::fill(coefficients.begin(), coefficients.end(), 1.0f);
        return;
    }
    const double last = double(n - 1);
    const double twoPi = 2 * std::numbers::pi;
    for (size_t i = 0; i < n; ++i) {
        const double x = double(i) / last;  // 0..1
        double w = 1;
        switch (window) {
            case WindowFunction::Rectangular:
                w = 1;
                break;
            case WindowFunction::Hanning:
                w = 0.5 - 0.5 * std::cos(twoPi * x);
                break;
            case WindowFunction::Hamming:
                w = 0.54 - 0.46 * std::cos(twoPi * x);
                break;
            case WindowFunction::Blackman:
                w = 0.42 - 0.5 * std::cos(twoPi * x) + 0.08 * std::cos(2 * twoPi * x);
                break;
            case WindowFunction::Welch: {
                // Zero one step beyond each end rather than at the ends, so
                // that no sample is thrown away.
                const double half = (last + 2) / 2;
                const double t = (double(i) - last / 2) / half;
                w = 1 - t * t;
                break;
            }
        }
        coefficients[i] = float(std::max(0.0, w));
    }
}

}  // namespace sonara::audio
