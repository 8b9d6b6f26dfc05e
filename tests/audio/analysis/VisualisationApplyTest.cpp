#include "audio/analysis/VisualisationApply.h"

#include <gtest/gtest.h>

#include "audio/analysis/CMMConnectorX.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"

namespace sonara::audio {
namespace {

struct SixDisplays {
    CMMSpectrumX large, small;
    CMMLevelX tallLeft, tallRight, shortLeft, shortRight;
    VisualisationDisplays view() {
        return {large, small, tallLeft, tallRight, shortLeft, shortRight};
    }
};

TEST(VisualisationApplyTest, TemplatesThenSkinSettings) {
    SixDisplays d;
    applyDisplayTemplates(d.view());
    EXPECT_EQ(d.large.fftLength(), 512);
    EXPECT_EQ(d.small.fftLength(), 256);
    EXPECT_EQ(d.small.kind(), SpectrumKind::Dots);
    EXPECT_EQ(d.large.window(), WindowFunction::Welch);
    EXPECT_EQ(d.large.gain(), 3);
    EXPECT_EQ(d.large.refFreq(), 1500);
    EXPECT_EQ(d.large.verticalScale(), 20);
    EXPECT_EQ(d.large.colours().bar1, 0xFFFF00u);
    EXPECT_EQ(d.tallRight.channel(), LevelChannel::Right);
    EXPECT_EQ(d.shortLeft.channel(), LevelChannel::Left);
    EXPECT_EQ(d.shortLeft.peakDelay(), 10);
    EXPECT_EQ(d.shortLeft.numPeaks(), 2);
    EXPECT_EQ(d.tallLeft.colours().background, 0x808000u);

    VisualisationSettings skin = VisualisationSettings::builtIn();
    skin.largeSpectrum.colours.bar1 = rgbNumber(255, 0, 0);
    skin.shortLevels.gain = 3;
    skin.smallSpectrum.fftLength = 7;  // limited, not refused
    applyVisualisationSettings(d.view(), skin);
    EXPECT_EQ(d.large.colours().bar1, 16711680u);
    EXPECT_EQ(d.large.fftLength(), 64);
    EXPECT_EQ(d.large.window(), WindowFunction::Blackman);
    EXPECT_EQ(d.large.kind(), SpectrumKind::Spots);
    EXPECT_EQ(d.small.fftLength(), 8);
    EXPECT_EQ(d.small.kind(), SpectrumKind::Dots);
    EXPECT_EQ(d.small.colours().inactive1, 0u);
    EXPECT_EQ(d.large.decayMode(), DecayMode::Exponential);
    EXPECT_EQ(d.shortRight.gain(), 3);
    EXPECT_EQ(d.tallRight.gain(), 1);
    // The skin does not say which channel a meter shows.
    EXPECT_EQ(d.tallRight.channel(), LevelChannel::Right);
}

TEST(VisualisationApplyTest, ConnectAndDisconnect) {
    SixDisplays d;
    CMMConnectorX first, second;
    connectVisualisations(first, second, d.view());
    EXPECT_EQ(first.firstSpectrum(), &d.large);
    EXPECT_EQ(first.secondSpectrum(), &d.small);
    EXPECT_EQ(first.firstLevel(), &d.tallLeft);
    EXPECT_EQ(first.secondLevel(), &d.tallRight);
    EXPECT_EQ(second.firstLevel(), &d.shortLeft);
    EXPECT_EQ(second.secondLevel(), &d.shortRight);
    EXPECT_EQ(second.firstSpectrum(), nullptr);
    disconnectVisualisations(first, second);
    for (const CMMConnectorX* c : {&first, &second}) {
        EXPECT_EQ(c->firstSpectrum(), nullptr);
        EXPECT_EQ(c->secondSpectrum(), nullptr);
        EXPECT_EQ(c->firstLevel(), nullptr);
        EXPECT_EQ(c->secondLevel(), nullptr);
    }
}

}  // namespace
}  // namespace sonara::audio
