#include "audio/analysis/CMMLevelX.h"

#include <gtest/gtest.h>

#include "TestSignals.h"

namespace sonara::audio {
namespace {

using testing::silence;
using testing::sine;
using testing::square;

CMMLevelX meter(LevelChannel channel) {
    CMMLevelX m;
    m.setChannel(channel);
    m.setDecayMode(DecayMode::None);
    return m;
}

TEST(CMMLevelXTest, SilenceIsZeroAndFullScaleIsFull) {
    CMMLevelX m = meter(LevelChannel::Left);
    m.update(silence(882).block());
    EXPECT_EQ(m.level(), 0.0f);
    EXPECT_EQ(m.peak(), 0.0f);
    m.update(square(882).block());
    EXPECT_EQ(m.level(), 1.0f);
    m.update(sine(1000, 0.5, 882).block());
    EXPECT_NEAR(m.level(), 0.5f, 0.001f);

    m.setLogAmp(1);
    m.update(sine(1000, 0.5, 882).block());  // -6 dB of 60
    EXPECT_NEAR(m.level(), 1 - 6.02f / 60, 0.002f);
    m.update(silence(882).block());
    EXPECT_EQ(m.level(), 0.0f);
}

TEST(CMMLevelXTest, EachMeterShowsItsChannel) {
    const testing::Signal leftOnly = sine(440, 0.8, 882, true, false);
    CMMLevelX left = meter(LevelChannel::Left);
    CMMLevelX right = meter(LevelChannel::Right);
    left.update(leftOnly.block());
    right.update(leftOnly.block());
    EXPECT_NEAR(left.level(), 0.8f, 0.001f);
    EXPECT_EQ(right.level(), 0.0f);

    const testing::Signal mono = square(882, 100, 1);
    right.update(mono.block());
    EXPECT_EQ(right.level(), 1.0f);
}

TEST(CMMLevelXTest, MeasuresOnlyTheNewest20Milliseconds) {
    // A loud burst 50 ms ago, then 25 ms of silence.
    testing::Signal s = square(3307);
    std::fill(s.samples.end() - 1102 * 2, s.samples.end(), int16_t(0));
    CMMLevelX m = meter(LevelChannel::Left);
    m.update(s.block());
    EXPECT_EQ(m.level(), 0.0f);
}

TEST(CMMLevelXTest, GainMultipliesAndClips) {
    CMMLevelX m = meter(LevelChannel::Right);
    m.setGain(2);
    m.update(sine(1000, 0.3, 882).block());
    EXPECT_NEAR(m.level(), 0.6f, 0.002f);
    m.update(sine(1000, 0.7, 882).block());
    EXPECT_EQ(m.level(), 1.0f);
    m.setGain(0);  // no gain below a factor of one
    EXPECT_EQ(m.gain(), 1);
}

TEST(CMMLevelXTest, DecayAndPeakHold) {
    CMMLevelX m = meter(LevelChannel::Left);
    m.setDecayMode(DecayMode::Exponential);
    m.setDecay(10);
    m.setPeakDelay(10);
    m.setPeekSpeed(5);
    m.update(square(882).block());
    float last = m.level();
    for (int i = 0; i < 10; ++i) {
        m.update(silence(882).block());
        EXPECT_LT(m.level(), last);
        EXPECT_EQ(m.peak(), 1.0f) << "held at update " << i;
        last = m.level();
    }
    m.update(silence(882).block());
    EXPECT_NEAR(m.peak(), 0.95f, 1e-5f);
    // The peak never drops below the bar.
    m.update(sine(1000, 0.99, 882).block());
    EXPECT_GE(m.peak(), m.level());

    m.reset();
    EXPECT_EQ(m.level(), 0.0f);
    EXPECT_EQ(m.peak(), 0.0f);
}

TEST(CMMLevelXTest, AbsurdValuesAndBlocksDoNotHurt) {
    CMMLevelX m;
    m.setChannel(7);
    EXPECT_EQ(m.channel(), LevelChannel::Right);
    m.setDecay(-50);
    m.setPeakDelay(-2);
    m.setPeekSpeed(1000);
    const int16_t samples[4] = {-32768, -32768, -32768, -32768};
    m.update(SampleBlock{samples, 1, 4, 44100});  // four channels: unusable
    EXPECT_EQ(m.level(), 0.0f);
    m.update(SampleBlock{samples, 2, 2, 0});  // no rate: all frames
    EXPECT_EQ(m.level(), 1.0f);
}

}  // namespace
}  // namespace sonara::audio
