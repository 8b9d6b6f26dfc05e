#include "core/mainwnd/WheelStep.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sonara {

int sliderAfterWheel(int value, int minimum, int maximum, int notches, double shareOfRange) {
    if (maximum <= minimum) {
        return minimum;
    }
    const int64_t range = int64_t(maximum) - minimum;
    const int64_t step = std::max<int64_t>(1, std::llround(double(range) * shareOfRange));
    const int64_t moved = int64_t(value) + step * notches;
    return int(std::clamp<int64_t>(moved, minimum, maximum));
}

}  // namespace sonara
