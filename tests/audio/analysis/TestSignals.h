#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "audio/SampleTap.h"
#include "audio/analysis/SampleBlock.h"

namespace sonara::audio::testing {

// Interleaved 16-bit samples with their layout, for feeding analysers.
struct Signal {
    std::vector<int16_t> samples;
    int channels = 2;
    int sampleRate = 44100;

    size_t frames() const { return samples.size() / size_t(channels); }
    SampleBlock block() const { return {samples.data(), frames(), channels, sampleRate}; }
};

// A sine of `amplitude` (1 = full scale) in the channels whose flag is set.
inline Signal sine(double hz, double amplitude, size_t frames, bool left = true, bool right = true,
                   int sampleRate = 44100) {
    Signal s;
    s.sampleRate = sampleRate;
    s.samples.resize(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const double v =
            amplitude * 32767 * std::sin(2 * std::numbers::pi * hz * double(i) / sampleRate);
        const auto sample = int16_t(std::lround(v));
        s.samples[2 * i] = left ? sample : 0;
        s.samples[2 * i + 1] = right ? sample : 0;
    }
    return s;
}

inline Signal silence(size_t frames, int channels = 2) {
    Signal s;
    s.channels = channels;
    s.samples.assign(frames * size_t(channels), 0);
    return s;
}

// Full scale, both signs, in every channel.
inline Signal square(size_t frames, int period = 100, int channels = 2) {
    Signal s;
    s.channels = channels;
    s.samples.resize(frames * size_t(channels));
    for (size_t i = 0; i < s.samples.size(); ++i) {
        s.samples[i] =
            (i / size_t(channels)) % size_t(period) < size_t(period / 2) ? 32767 : -32768;
    }
    return s;
}

// A player's tap over a fixed signal: hands out its newest frames and
// counts the calls.
class FakeSampleTap final : public SampleTap {
  public:
    Signal signal;
    mutable int calls = 0;
    mutable size_t lastFramesAsked = 0;
    // Reported instead of the signal's channel count when set.
    int reportedChannels = 0;

    size_t copyHeard(int16_t* out, size_t frames, int& channels, int& sampleRate) const override {
        ++calls;
        lastFramesAsked = frames;
        channels = reportedChannels != 0 ? reportedChannels : signal.channels;
        sampleRate = signal.sampleRate;
        const size_t have = std::min(frames, signal.frames());
        const size_t skip = (signal.frames() - have) * size_t(signal.channels);
        std::copy_n(signal.samples.begin() + std::ptrdiff_t(skip), have * size_t(signal.channels),
                    out);
        return have;
    }
};

}  // namespace sonara::audio::testing
