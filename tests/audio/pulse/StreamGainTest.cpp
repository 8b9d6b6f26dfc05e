#include "audio/pulse/StreamGain.h"

#include <gtest/gtest.h>

#include <vector>

namespace sonara::audio::pulse {
namespace {

std::vector<int16_t> applied(StreamGain& gain, const std::vector<int16_t>& in, int channels) {
    std::vector<int16_t> out(in.size());
    gain.apply(in.data(), out.data(), in.size() / size_t(channels));
    return out;
}

const std::vector<int16_t> kStereo{1000, 1000, -2000, -2000, 30000, -30000};

TEST(StreamGain, VolumeIsALinearFactorWith16384Neutral) {
    StreamGain gain;
    gain.set(16384, 0, 2);
    EXPECT_TRUE(gain.neutral());
    EXPECT_EQ(applied(gain, kStereo, 2), kStereo);

    gain.set(8192, 0, 2);
    EXPECT_EQ(applied(gain, kStereo, 2),
              (std::vector<int16_t>{500, 500, -1000, -1000, 15000, -15000}));
    gain.set(0, 0, 2);
    EXPECT_EQ(applied(gain, kStereo, 2), std::vector<int16_t>(6, 0));
}

TEST(StreamGain, LoudVolumesSaturateInsteadOfWrapping) {
    StreamGain gain;
    gain.set(32768, 0, 2);
    EXPECT_EQ(applied(gain, kStereo, 2),
              (std::vector<int16_t>{2000, 2000, -4000, -4000, 32767, -32768}));
    gain.set(1000000, 0, 2);  // clamped to 32768
    EXPECT_EQ(applied(gain, kStereo, 2)[0], 2000);
}

TEST(StreamGain, BalanceAttenuatesTheFarChannelLinearly) {
    StreamGain gain;
    gain.set(16384, 16384, 2);  // half way right: left at half
    EXPECT_EQ(applied(gain, kStereo, 2),
              (std::vector<int16_t>{500, 1000, -1000, -2000, 15000, -30000}));
    gain.set(16384, -32768, 2);  // fully left: right silent
    EXPECT_EQ(applied(gain, kStereo, 2), (std::vector<int16_t>{1000, 0, -2000, 0, 30000, 0}));
    gain.set(8192, 32768, 2);  // both at once
    EXPECT_EQ(applied(gain, kStereo, 2), (std::vector<int16_t>{0, 500, 0, -1000, 0, -15000}));
}

TEST(StreamGain, MonoIgnoresBalance) {
    StreamGain gain;
    gain.set(16384, 32768, 1);
    const std::vector<int16_t> mono{100, -100, 7};
    EXPECT_EQ(applied(gain, mono, 1), mono);
    gain.set(8192, -32768, 1);
    EXPECT_EQ(applied(gain, mono, 1), (std::vector<int16_t>{50, -50, 3}));
}

}  // namespace
}  // namespace sonara::audio::pulse
