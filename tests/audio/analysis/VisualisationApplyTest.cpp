#include "audio/analysis/VisualisationApply.h"

#include <gtest/gtest.h>

#include "audio/analysis/CMMConnectorX.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"

namespace sonara::audio {
namespace {

TEST(VisualisationApplyTest, TemplatesThenSkinSettingsThenWiring) {
    CMMSpectrumX large, small;
    CMMLevelX tallLeft, tallRight, shortLeft, shortRight;
    const VisualisationDisplays d{large, small, tallLeft, tallRight, shortLeft, shortRight};
    applyDisplayTemplates(d);
    EXPECT_EQ(large.fftLength(), 512);
    EXPECT_EQ(small.fftLength(), 256);
    EXPECT_EQ(small.kind(), SpectrumKind::Dots);
    EXPECT_EQ(tallRight.channel(), LevelChannel::Right);
    EXPECT_EQ(shortLeft.channel(), LevelChannel::Left);

    VisualisationSettings skin = VisualisationSettings::builtIn();
    skin.largeSpectrum.colours.bar1 = rgbNumber(255, 0, 0);
    skin.shortLevels.gain = 3;
    skin.smallSpectrum.fftLength = 7;  // limited, not refused
    applyVisualisationSettings(d, skin);
    EXPECT_EQ(large.colours().bar1, 16711680u);
    EXPECT_EQ(large.fftLength(), 64);
    EXPECT_EQ(small.fftLength(), 8);
    EXPECT_EQ(shortRight.gain(), 3);
    EXPECT_EQ(tallRight.gain(), 1);
    EXPECT_EQ(tallRight.channel(), LevelChannel::Right);  // the skin has no channel

    CMMConnectorX first, second;
    connectVisualisations(first, second, d);
    EXPECT_EQ(first.firstSpectrum(), &large);
    EXPECT_EQ(first.secondSpectrum(), &small);
    EXPECT_EQ(first.secondLevel(), &tallRight);
    EXPECT_EQ(second.firstLevel(), &shortLeft);
    EXPECT_EQ(second.firstSpectrum(), nullptr);
    disconnectVisualisations(first, second);
    EXPECT_EQ(first.firstSpectrum(), nullptr);
    EXPECT_EQ(first.secondLevel(), nullptr);
    EXPECT_EQ(second.secondLevel(), nullptr);
}

}  // namespace
}  // namespace sonara::audio
