#include "audio/analysis/CMMSpectrumX.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TestSignals.h"

namespace sonara::audio {
namespace {

using testing::silence;
using testing::sine;

constexpr double kBinHz = 44100.0 / 512;

// 0 dB gain, 100 % scale, no fall: heights are the measured amplitudes.
CMMSpectrumX plainSpectrum(WindowFunction window = WindowFunction::Rectangular) {
    CMMSpectrumX s;
    s.setFftLength(512);
    s.setWindow(window);
    s.setGain(0);
    s.setVerticalScale(100);
    s.setDecayMode(DecayMode::None);
    return s;
}

float loudestFarBand(const CMMSpectrumX& s, int channel, int band, int distance) {
    float loudest = 0;
    const auto bands = s.bands(channel);
    for (int b = 0; b < int(bands.size()); ++b) {
        if (std::abs(b - band) > distance) {
            loudest = std::max(loudest, bands[size_t(b)]);
        }
    }
    return loudest;
}

class SpectrumWindowTest : public ::testing::TestWithParam<WindowFunction> {};

TEST_P(SpectrumWindowTest, SineLightsItsBandOnly) {
    CMMSpectrumX s = plainSpectrum(GetParam());
    // On bin 40's centre: full height whatever the window.
    s.update(sine(40 * kBinHz, 1.0, 512).block());
    const int band = s.bandOf(40 * kBinHz).value_or(-1);
    ASSERT_EQ(band, 39);  // bin 0 is not shown
    EXPECT_NEAR(s.bands(0)[size_t(band)], 1.0f, 0.01f);
    EXPECT_NEAR(s.bands(1)[size_t(band)], 1.0f, 0.01f);
    // Welch's side lobes reach furthest: 1 % at eight bins.
    EXPECT_LT(loudestFarBand(s, 0, band, 8), 0.01f);

    // Between two bins, in a longer block than the transform.
    s.update(sine(3000, 0.5, 2000).block());
    const int between = s.bandOf(3000).value_or(-1);
    const auto bands = s.bands(0);
    const auto top = std::max_element(bands.begin(), bands.end()) - bands.begin();
    EXPECT_LE(std::abs(int(top) - between), 1);
    if (GetParam() != WindowFunction::Rectangular) {
        EXPECT_LT(loudestFarBand(s, 0, between, 8), 0.01f);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, SpectrumWindowTest,
                         ::testing::Values(WindowFunction::Rectangular, WindowFunction::Hanning,
                                           WindowFunction::Hamming, WindowFunction::Blackman,
                                           WindowFunction::Welch));

TEST(CMMSpectrumXTest, LogarithmicBandsPlaceASine) {
    CMMSpectrumX s = plainSpectrum(WindowFunction::Blackman);
    s.setFftLength(2048);
    s.setLogFreq(1);
    s.setRefFreq(50);
    s.setBandCount(32);
    ASSERT_EQ(s.bandCount(), 32);
    s.update(sine(5000, 0.8, 2048).block());
    const int band = s.bandOf(5000).value_or(-1);
    ASSERT_GE(band, 0);
    EXPECT_GT(s.bands(0)[size_t(band)], 0.7f);
    // An octave away on either side is dark.
    EXPECT_LT(s.bands(0)[size_t(s.bandOf(2500).value())], 0.01f);
    EXPECT_LT(s.bands(0)[size_t(s.bandOf(10000).value())], 0.01f);
    EXPECT_EQ(s.bandOf(20), std::nullopt);  // below the lowest frequency
    EXPECT_GE(s.bandOf(22050).value_or(-1), 31);
}

TEST(CMMSpectrumXTest, ModeChoosesTheChannels) {
    const testing::Signal leftOnly = sine(40 * kBinHz, 1.0, 512, true, false);
    CMMSpectrumX s = plainSpectrum();
    const size_t band = size_t(s.bandOf(40 * kBinHz).value());

    s.update(leftOnly.block());
    ASSERT_EQ(s.channelCount(), 2);
    EXPECT_GT(s.bands(0)[band], 0.99f);
    EXPECT_EQ(s.bands(1)[band], 0.0f);

    s.setMode(SpectrumMode::Right);
    s.update(leftOnly.block());
    ASSERT_EQ(s.channelCount(), 1);
    EXPECT_EQ(s.bands(0)[band], 0.0f);

    s.setMode(SpectrumMode::Mono);
    s.update(leftOnly.block());
    EXPECT_NEAR(s.bands(0)[band], 0.5f, 0.01f);

    // A mono block feeds both channels.
    testing::Signal mono = leftOnly;
    mono.channels = 1;
    mono.samples.resize(512);
    for (size_t i = 0; i < 512; ++i) {
        mono.samples[i] = leftOnly.samples[2 * i];
    }
    s.setMode(SpectrumMode::Stereo);
    s.update(mono.block());
    EXPECT_GT(s.bands(1)[band], 0.99f);
}

TEST(CMMSpectrumXTest, GainAndVerticalScaleRaiseTheBars) {
    CMMSpectrumX s = plainSpectrum();
    const testing::Signal quiet = sine(40 * kBinHz, 0.1, 512);
    const size_t band = size_t(s.bandOf(40 * kBinHz).value());
    s.setGain(2);  // 6 dB
    s.update(quiet.block());
    EXPECT_NEAR(s.bands(0)[band], 0.2f, 0.005f);
    s.setVerticalScale(400);
    s.update(quiet.block());
    EXPECT_NEAR(s.bands(0)[band], 0.8f, 0.02f);
    s.setVerticalScale(1000);
    s.update(quiet.block());
    EXPECT_EQ(s.bands(0)[band], 1.0f);  // clipped at the top

    s.setGain(0);
    s.setVerticalScale(100);
    s.setLogAmp(1);
    s.update(quiet.block());  // -20 dB of a 60 dB range
    EXPECT_NEAR(s.bands(0)[band], 40.0f / 60, 0.01f);
}

TEST(CMMSpectrumXTest, BarsFallWithoutSignal) {
    const testing::Signal loud = sine(40 * kBinHz, 1.0, 512);
    const testing::Signal quiet = silence(512);
    CMMSpectrumX s = plainSpectrum();
    const size_t band = size_t(s.bandOf(40 * kBinHz).value());

    s.setDecayMode(DecayMode::Exponential);
    s.setDecay(20);
    s.update(loud.block());
    float last = s.bands(0)[band];
    for (int i = 0; i < 10; ++i) {
        s.update(quiet.block());
        EXPECT_LT(s.bands(0)[band], last);
        EXPECT_GT(s.bands(0)[band], 0.0f);
        last = s.bands(0)[band];
    }
    EXPECT_NEAR(last, std::pow(0.8f, 10), 0.01f);
    for (int i = 0; i < 40; ++i) {
        s.update(quiet.block());
    }
    EXPECT_EQ(s.bands(0)[band], 0.0f);  // an exponential fall ends

    s.setDecayMode(DecayMode::Linear);
    s.setDecay(25);
    s.update(loud.block());
    s.update(quiet.block());
    EXPECT_NEAR(s.bands(0)[band], 0.75f, 0.01f);
    s.update(quiet.block());
    s.update(quiet.block());
    s.update(quiet.block());
    EXPECT_EQ(s.bands(0)[band], 0.0f);

    // An unusable block counts as silence.
    s.update(loud.block());
    s.update(SampleBlock{});
    EXPECT_NEAR(s.bands(0)[band], 0.75f, 0.01f);
}

TEST(CMMSpectrumXTest, PeaksHoldForTheDelayThenFall) {
    CMMSpectrumX s = plainSpectrum();
    s.setPeakDelay(3);
    s.setPeekSpeed(10);
    const size_t band = size_t(s.bandOf(40 * kBinHz).value());
    s.update(sine(40 * kBinHz, 1.0, 512).block());
    EXPECT_NEAR(s.peaks(0)[band], 1.0f, 0.01f);
    const float top = s.peaks(0)[band];
    for (int i = 0; i < 3; ++i) {
        s.update(silence(512).block());
        EXPECT_EQ(s.peaks(0)[band], top) << "update " << i;
        EXPECT_EQ(s.bands(0)[band], 0.0f);
    }
    s.update(silence(512).block());
    EXPECT_NEAR(s.peaks(0)[band], top - 0.1f, 1e-5f);
    s.update(silence(512).block());
    EXPECT_NEAR(s.peaks(0)[band], top - 0.2f, 1e-5f);
}

TEST(CMMSpectrumXTest, AbsurdValuesAreLimited) {
    CMMSpectrumX s;
    const std::pair<int, int> lengths[] = {{7, 8},       {0, 8},         {-5, 8},     {8, 8},
                                           {600, 512},   {768, 512},     {769, 1024}, {4096, 4096},
                                           {5000, 4096}, {1 << 30, 4096}};
    for (const auto& [asked, accepted] : lengths) {
        s.setFftLength(asked);
        EXPECT_EQ(s.fftLength(), accepted) << asked;
        EXPECT_TRUE(s.error().empty());
        s.update(sine(1000, 1.0, 100).block());  // shorter than most lengths
        EXPECT_EQ(s.bandCount(), accepted / 2);
    }
    // Settings no display could use are limited, never trusted.
    s.setDecay(-4);
    s.setDecayMode(9);
    s.setWindow(-1);
    s.setGain(99);
    s.setVerticalScale(-10);
    s.setSampleRate(0);
    s.setPeekSpeed(0);
    s.setRefFreq(-100);
    s.setLogFreq(1);
    s.setBandCount(100000);
    s.setFftLength(8);
    EXPECT_EQ(s.bandCount(), 4);

    // Blocks that cannot be read are silence.
    const int16_t samples[6] = {32767, 32767, 32767, 32767, 32767, 32767};
    s.update(SampleBlock{samples, 2, 3, 44100});
    s.update(SampleBlock{nullptr, 100, 2, 44100});
    s.update(SampleBlock{samples, 3, 2, -44100});
    for (float v : s.bands(0)) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
    }
}

TEST(CMMSpectrumXTest, FollowsTheBlockRate) {
    CMMSpectrumX s = plainSpectrum();
    s.update(sine(12000, 1.0, 512, true, true, 48000).block());
    const int band = s.bandOf(12000).value_or(-1);
    EXPECT_EQ(band, 127);  // 12 kHz is bin 128 at 48 kHz, bin 139 at 44.1 kHz
    EXPECT_GT(s.bands(0)[size_t(band)], 0.99f);
}

}  // namespace
}  // namespace sonara::audio
