#include "audio/analysis/CMMLevelX.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sonara::audio {

namespace {

constexpr float kLogRangeDb = 60;
// The meter integrates over one trigger period of the player host.
constexpr int kWindowsPerSecond = 50;

}  // namespace

void CMMLevelX::setKind(int kind) {
    kind_ = LevelKind(std::clamp(kind, int(LevelKind::Horizontal), int(LevelKind::Vertical)));
}

void CMMLevelX::setSpotSpace(int pixels) {
    spotSpace_ = std::clamp(pixels, 0, 100);
}
void CMMLevelX::setPoint1(int percent) {
    point1_ = std::clamp(percent, 0, 100);
}
void CMMLevelX::setPoint2(int percent) {
    point2_ = std::clamp(percent, 0, 100);
}
void CMMLevelX::setNumPeaks(int spots) {
    numPeaks_ = std::clamp(spots, 0, 10);
}

void CMMLevelX::setChannel(int channel) {
    channel_ = LevelChannel(std::clamp(channel, int(LevelChannel::Left), int(LevelChannel::Right)));
}

void CMMLevelX::setGain(int factor) {
    gain_ = std::clamp(factor, 1, 16);
}
void CMMLevelX::setPeakDelay(int updates) {
    motion_.peakDelay = std::clamp(updates, 0, 1000);
}

void CMMLevelX::setPeekSpeed(int percent) {
    peekSpeed_ = std::clamp(percent, 1, 100);
    motion_.peakFall = float(peekSpeed_) / 100;
}

void CMMLevelX::setDecay(int percent) {
    decay_ = std::clamp(percent, 0, 100);
    motion_.decayStep = float(decay_) / 100;
}

void CMMLevelX::setDecayMode(int mode) {
    motion_.mode = DecayMode(std::clamp(mode, int(DecayMode::None), int(DecayMode::Linear)));
}

void CMMLevelX::update(const SampleBlock& block) {
    float target = 0;
    if (block.usable()) {
        const size_t window = block.sampleRate > 0
                                  ? size_t(std::max(1, block.sampleRate / kWindowsPerSecond))
                                  : block.frames;
        const size_t used = std::min(block.frames, window);
        const size_t stride = size_t(block.channels);
        const size_t source = block.channels == 2 && channel_ == LevelChannel::Right ? 1 : 0;
        const int16_t* s = block.samples + (block.frames - used) * stride + source;
        int peak = 0;
        for (size_t i = 0; i < used; ++i) {
            peak = std::max(peak, std::abs(int(s[i * stride])));
        }
        const float amplitude = std::min(1.0f, float(peak) / 32767.0f * float(gain_));
        if (!logAmp_) {
            target = amplitude;
        } else if (amplitude > 0) {
            target =
                std::clamp((20 * std::log10(amplitude) + kLogRangeDb) / kLogRangeDb, 0.0f, 1.0f);
        }
    }
    motion_.advance(target, level_, peak_, hold_);
}

void CMMLevelX::reset() {
    level_ = 0;
    peak_ = 0;
    hold_ = 0;
}

}  // namespace sonara::audio
