#include "audio/player/HeardHistory.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace sonara::audio {
namespace {

std::vector<int16_t> ramp(int from, size_t frames, int channels) {
    std::vector<int16_t> samples(frames * size_t(channels));
    for (size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            samples[i * size_t(channels) + size_t(c)] = int16_t(from + int(i));
        }
    }
    return samples;
}

TEST(HeardHistory, GivesTheFramesEndingWhereTheListenerIs) {
    HeardHistory history(1.0);
    history.reset(100, 2);  // keeps 100 frames
    const auto first = ramp(0, 60, 2);
    history.append(first.data(), 60);
    std::vector<int16_t> out(40);
    int channels = 0;
    int rate = 0;
    // Heard up to frame 30: frames 10..29.
    ASSERT_EQ(history.copyEndingAt(30, out.data(), 20, channels, rate), 20u);
    EXPECT_EQ(channels, 2);
    EXPECT_EQ(rate, 100);
    EXPECT_EQ(out[0], 10);
    EXPECT_EQ(out[39], 29);
    // Nothing heard yet, or more asked than was heard.
    EXPECT_EQ(history.copyEndingAt(0, out.data(), 20, channels, rate), 0u);
    EXPECT_EQ(history.copyEndingAt(5, out.data(), 20, channels, rate), 5u);
    // A heard count past what was written stops at the last frame written.
    ASSERT_EQ(history.copyEndingAt(500, out.data(), 20, channels, rate), 20u);
    EXPECT_EQ(out[39], 59);
}

TEST(HeardHistory, WrapsAroundAndForgetsTheOldest) {
    HeardHistory history(1.0);
    history.reset(100, 1);
    for (int block = 0; block < 5; ++block) {
        const auto samples = ramp(block * 70, 70, 1);
        history.append(samples.data(), 70);
    }
    // 350 frames written, 100 kept: 250..349.
    std::vector<int16_t> out(200);
    int channels = 0;
    int rate = 0;
    ASSERT_EQ(history.copyEndingAt(350, out.data(), 200, channels, rate), 100u);
    EXPECT_EQ(out[0], 250);
    EXPECT_EQ(out[99], 349);
    // One append larger than the whole history keeps its newest part.
    const auto big = ramp(1000, 250, 1);
    history.append(big.data(), 250);
    ASSERT_EQ(history.copyEndingAt(600, out.data(), 10, channels, rate), 10u);
    EXPECT_EQ(out[9], 1249);
    history.reset(100, 1);
    EXPECT_EQ(history.copyEndingAt(600, out.data(), 10, channels, rate), 0u);
}

}  // namespace
}  // namespace sonara::audio
