#include "DesktopArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "Emblem.h"

namespace sonara::skingen {

namespace {

// Each bar swings about its still height at its own whole number of turns
// per cycle, so frame 15 leads smoothly back into frame 0, and frame 0 is
// the still mark exactly.
std::vector<qreal> frameHeights(int frame) {
    constexpr std::array<int, 5> kTurns = {1, 2, 1, 2, 1};
    constexpr std::array<qreal, 5> kPhase = {0.0, 1.9, 3.6, 0.8, 2.7};
    constexpr qreal kSwing = 0.26;
    const std::span<const qreal> still = markHeights();
    std::vector<qreal> heights;
    for (size_t i = 0; i < still.size(); ++i) {
        const qreal angle = 2 * std::numbers::pi * kTurns[i] * frame / kTrayFrames + kPhase[i];
        const qreal swing = kSwing * (std::sin(angle) - std::sin(kPhase[i]));
        heights.push_back(std::clamp(still[i] + swing, 0.26, 0.95));
    }
    return heights;
}

}  // namespace

QImage trayFrame(const Palette& palette, int size, int frame) {
    return markIcon(palette, size, frameHeights(frame));
}

QImage applicationIcon(const Palette& palette, int size) {
    return markIcon(palette, size, markHeights());
}

}  // namespace sonara::skingen
