#pragma once

#include <algorithm>

namespace sonara::audio {

// How a bar falls when the signal drops. Rises are always immediate.
enum class DecayMode {
    None = 0,         // the bar shows each update's value as it is
    Exponential = 1,  // loses `Decay` percent of its height per update
    Linear = 2,       // loses `Decay` percent of the full height per update
};

// The fall and peak-hold rules of one display, shared by all its bars.
// Values are per update (one trigger, 20 ms in the player host).
struct BarMotion {
    DecayMode mode = DecayMode::Exponential;
    float decayStep = 0.05f;  // 0..1; 0 behaves as DecayMode::None
    int peakDelay = 0;        // updates a peak stays after it was last raised
    float peakFall = 0.02f;   // fraction of the full height a released peak drops per update

    // Heights below this are shown as nothing, so that an exponential fall
    // reaches zero.
    static constexpr float kFloor = 1.0f / 1024;

    // One update of a bar and its peak mark towards `target` (0..1).
    void advance(float target, float& bar, float& peak, int& hold) const {
        if (target >= bar || mode == DecayMode::None || decayStep <= 0) {
            bar = target;
        } else if (mode == DecayMode::Exponential) {
            bar = std::max(target, bar * (1 - decayStep));
        } else {
            bar = std::max(target, bar - decayStep);
        }
        if (bar < kFloor) {
            bar = 0;
        }
        if (bar >= peak) {
            peak = bar;
            hold = peakDelay;
        } else if (hold > 0) {
            --hold;
        } else {
            peak = std::max(bar, peak - peakFall);
        }
    }
};

}  // namespace sonara::audio
