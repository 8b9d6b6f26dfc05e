#include "audio/analysis/CMMConnectorX.h"

#include <gtest/gtest.h>

#include "TestSignals.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"

namespace sonara::audio {
namespace {

std::vector<int16_t> samplesOf(const SampleBlock& b) {
    return {b.samples, b.samples + b.frames * size_t(b.channels)};
}

std::vector<int16_t> newest(const testing::Signal& s, size_t frames) {
    return {s.samples.end() - std::ptrdiff_t(frames * size_t(s.channels)), s.samples.end()};
}

class CMMConnectorXTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tap.signal = testing::sine(1000, 0.9, 8000, true, false);
        first.setInput(&tap);
        second.setInput(&first);
        left.setChannel(LevelChannel::Left);
        right.setChannel(LevelChannel::Right);
        large.setFftLength(512);
        small.setFftLength(256);
    }

    testing::FakeSampleTap tap;
    CMMConnectorX first;
    CMMConnectorX second;
    CMMLevelX left;
    CMMLevelX right;
    CMMSpectrumX large;
    CMMSpectrumX small;
};

TEST_F(CMMConnectorXTest, WithoutOutputsNothingIsTaken) {
    first.trigger();
    second.trigger();
    EXPECT_EQ(tap.calls, 0);
    EXPECT_EQ(first.lastBlock().frames, 0u);

    CMMConnectorX unconnected;
    unconnected.setFirstLevel(&left);
    unconnected.trigger();
    EXPECT_EQ(left.level(), 0.0f);
}

TEST_F(CMMConnectorXTest, OnePullFeedsEveryOutput) {
    first.setFirstSpectrum(&large);
    first.setSecondSpectrum(&small);
    first.setFirstLevel(&left);
    first.setSecondLevel(&right);
    first.trigger();
    EXPECT_EQ(tap.calls, 1);
    EXPECT_EQ(tap.lastFramesAsked, CMMConnectorX::kLevelFrames);
    const SampleBlock block = first.lastBlock();
    EXPECT_EQ(block.channels, 2);
    EXPECT_EQ(block.sampleRate, 44100);
    EXPECT_EQ(samplesOf(block), newest(tap.signal, CMMConnectorX::kLevelFrames));

    EXPECT_NEAR(left.level(), 0.9f, 0.01f);
    EXPECT_EQ(right.level(), 0.0f);
    EXPECT_GT(large.bands(0)[size_t(large.bandOf(1000).value())], 0.5f);
    EXPECT_GT(small.bands(0)[size_t(small.bandOf(1000).value())], 0.5f);
    EXPECT_EQ(large.bands(1)[size_t(large.bandOf(1000).value())], 0.0f);

    // Only spectra: as many frames as the longest transform.
    first.setFirstLevel(nullptr);
    first.setSecondLevel(nullptr);
    large.setFftLength(4096);
    first.trigger();
    EXPECT_EQ(tap.lastFramesAsked, 4096u);
    large.setFftLength(64);
    first.trigger();
    EXPECT_EQ(tap.lastFramesAsked, 256u);

    // Outputs set to null between triggers are left alone.
    first.setFirstSpectrum(nullptr);
    first.setSecondSpectrum(nullptr);
    tap.signal = testing::silence(8000);
    first.trigger();
    EXPECT_GT(small.bands(0)[size_t(small.bandOf(1000).value())], 0.5f);
}

TEST_F(CMMConnectorXTest, ChainedConnectorPassesOnTheSameBlock) {
    first.setFirstLevel(&left);
    CMMLevelX shortLeft;
    second.setFirstLevel(&shortLeft);
    first.trigger();
    second.trigger();
    EXPECT_EQ(tap.calls, 1);
    EXPECT_EQ(samplesOf(second.lastBlock()), samplesOf(first.lastBlock()));
    EXPECT_EQ(second.lastBlock().sampleRate, 44100);
    EXPECT_EQ(shortLeft.level(), left.level());

    // A chained spectrum that needs more than the first one took asks for
    // it, and has it from the next trigger on.
    CMMSpectrumX longer;
    longer.setFftLength(4096);
    second.setFirstSpectrum(&longer);
    second.trigger();
    EXPECT_EQ(second.lastBlock().frames, CMMConnectorX::kLevelFrames);
    first.trigger();
    second.trigger();
    EXPECT_EQ(tap.lastFramesAsked, 4096u);
    EXPECT_EQ(samplesOf(second.lastBlock()), newest(tap.signal, 4096));
    EXPECT_EQ(tap.calls, 2);
}

TEST_F(CMMConnectorXTest, ABadTapGivesSilence) {
    first.setFirstLevel(&left);
    tap.signal = testing::square(3000);
    tap.reportedChannels = 6;
    first.trigger();
    EXPECT_EQ(first.lastBlock().frames, 0u);
    EXPECT_EQ(left.level(), 0.0f);

    // Nothing heard yet.
    tap.reportedChannels = 0;
    tap.signal.samples.clear();
    first.trigger();
    EXPECT_EQ(first.lastBlock().frames, 0u);

    // A connector cannot feed itself.
    first.setInput(&first);
    first.trigger();
    EXPECT_EQ(first.lastBlock().frames, 0u);
}

}  // namespace
}  // namespace sonara::audio
