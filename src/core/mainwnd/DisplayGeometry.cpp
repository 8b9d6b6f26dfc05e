#include "core/mainwnd/DisplayGeometry.h"

#include <algorithm>
#include <cmath>

namespace sonara {

int barsThatFit(int width, int minBar, int space, int maxBars) {
    const int pitch = std::max(1, minBar + std::max(0, space));
    const int fit = (std::max(0, width) + std::max(0, space)) / pitch;
    return std::clamp(fit, 1, std::max(1, maxBars));
}

std::vector<PixelSpan> barColumns(int width, int bars, int space) {
    std::vector<PixelSpan> columns;
    if (bars <= 0) {
        return columns;
    }
    space = std::max(0, space);
    const int drawn = std::max(0, width - space * (bars - 1));
    const int base = drawn / bars;
    const int spare = drawn % bars;
    columns.reserve(size_t(bars));
    int x = 0;
    for (int bar = 0; bar < bars; ++bar) {
        const int length = base + (bar < spare ? 1 : 0);
        columns.push_back({x, length});
        x += length + space;
    }
    return columns;
}

SpotLadder::SpotLadder(int length, int spotLength, int spotSpace)
    : length_(std::max(0, length)),
      spotLength_(std::max(1, spotLength)),
      pitch_(spotLength_ + std::max(0, spotSpace)) {
    count_ = length_ <= 0 ? 0 : (length_ + pitch_ - 1) / pitch_;
    // A final gap with no spot after it is no spot.
    if (count_ > 0 && (count_ - 1) * pitch_ >= length_) {
        --count_;
    }
}

PixelSpan SpotLadder::spot(int index) const {
    const int start = index * pitch_;
    return {start, std::clamp(length_ - start, 0, spotLength_)};
}

int SpotLadder::litSpots(float height) const {
    if (!(height > 0) || length_ == 0) {
        return 0;
    }
    const double reachPixels = double(std::min(height, 1.0f)) * length_;
    int lit = 0;
    while (lit < count_) {
        const PixelSpan s = spot(lit);
        if (reachPixels < s.start + s.length / 2.0) {
            break;
        }
        ++lit;
    }
    return lit;
}

int SpotLadder::peakSpot(float height) const {
    if (!(height > 0) || count_ == 0) {
        return -1;
    }
    return std::max(0, litSpots(height) - 1);
}

int SpotLadder::reach(int spots) const {
    if (spots <= 0) {
        return 0;
    }
    const PixelSpan last = spot(std::min(spots, count_) - 1);
    return last.start + last.length;
}

}  // namespace sonara
