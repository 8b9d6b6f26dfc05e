#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sonara::audio::pulse {

// The player's stream volume and balance, applied to samples in software so
// that they never touch the sink's (the master) volume.
//
// volume 0..32768 is a linear amplitude factor volume / 16384: 0 is silence,
// 16384 leaves samples as they are, 32768 doubles them (saturating).
// balance -32768..32768: towards the right (positive) the left channel is
// scaled by 1 - balance / 32768 and the right one stays; towards the left
// the other way round. Balance applies to stereo only. Values outside the
// ranges are clamped.
class StreamGain {
  public:
    void set(int volume, int balance, int channels);
    bool neutral() const { return neutral_; }
    // Copies `frames` frames of `channels` interleaved samples, scaled.
    void apply(const int16_t* in, int16_t* out, size_t frames) const;

  private:
    static constexpr int kUnityShift = 14;  // gain 1 << 14 leaves a sample as it is
    std::array<int32_t, 2> gain_{1 << kUnityShift, 1 << kUnityShift};
    int channels_ = 2;
    bool neutral_ = true;
};

}  // namespace sonara::audio::pulse
