#include "audio/analysis/VisualisationApply.h"

#include "audio/analysis/CMMConnectorX.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"

namespace sonara::audio {

namespace {

constexpr RgbNumber kYellow = 0xFFFF00;
constexpr RgbNumber kBlack = 0x000000;
constexpr RgbNumber kOlive = 0x808000;

template <typename Display>
void applyColours(Display& display, const VisualisationColours& c) {
    display.setBar1Colour(c.bar1);
    display.setBar2Colour(c.bar2);
    display.setBar3Colour(c.bar3);
    display.setBackColour(c.background);
    display.setInactive1Colour(c.inactive1);
    display.setInactive2Colour(c.inactive2);
    display.setInactive3Colour(c.inactive3);
}

template <typename Display>
void applyBarColours(Display& display, RgbNumber bars, RgbNumber background) {
    display.setBar1Colour(bars);
    display.setBar2Colour(bars);
    display.setBar3Colour(bars);
    display.setBackColour(background);
}

void applySpectrumTemplate(CMMSpectrumX& spectrum, int fftLength) {
    spectrum.setFftLength(fftLength);
    spectrum.setMode(SpectrumMode::Stereo);
    spectrum.setSampleRate(44100);
    spectrum.setRefFreq(1500);
    spectrum.setGain(3);  // 9 dB
    spectrum.setWindow(WindowFunction::Welch);
    spectrum.setDecayMode(DecayMode::Exponential);
    spectrum.setVerticalScale(20);
    applyBarColours(spectrum, kYellow, kBlack);
}

void applyLevelTemplate(CMMLevelX& level, LevelChannel channel) {
    level.setKind(LevelKind::Vertical);
    level.setChannel(channel);
    level.setGain(2);
    level.setNumPeaks(2);
    level.setPeakDelay(10);
    level.setDecayMode(DecayMode::Exponential);
    applyBarColours(level, kYellow, kOlive);
}

}  // namespace

void applySpectrumSettings(CMMSpectrumX& spectrum, const SpectrumSettings& s) {
    applyColours(spectrum, s.colours);
    spectrum.setKind(s.kind);
    spectrum.setFftLength(s.fftLength);
    spectrum.setRefFreq(s.refFreq);
    spectrum.setActiveDoted(s.activeDoted);
    spectrum.setSpace(s.space);
    spectrum.setDisplayPeak(s.displayPeak);
    spectrum.setSpotHeight(s.spotHeight);
    spectrum.setSpotSpace(s.spotSpace);
    spectrum.setDecay(s.decay);
    spectrum.setDecayMode(s.decayMode);
    spectrum.setWindow(s.window);
    spectrum.setLogFreq(s.logFreq);
    spectrum.setLogAmp(s.logAmp);
    spectrum.setVerticalScale(s.verticalScale);
    spectrum.setSampleRate(s.sampleRate);
    spectrum.setPeakDelay(s.peakDelay);
    spectrum.setPeekSpeed(s.peekSpeed);
    spectrum.setPoint1(s.point1);
    spectrum.setPoint2(s.point2);
    spectrum.setGain(s.gain);
}

void applyLevelSettings(CMMLevelX& level, const LevelSettings& s) {
    applyColours(level, s.colours);
    level.setSpotSpace(s.spotSpace);
    level.setPoint1(s.point1);
    level.setPoint2(s.point2);
    level.setPeekSpeed(s.peekSpeed);
    level.setPeakDelay(s.peakDelay);
    level.setGain(s.gain);
}

void applyVisualisationSettings(const VisualisationDisplays& d, const VisualisationSettings& s) {
    applySpectrumSettings(d.largeSpectrum, s.largeSpectrum);
    applySpectrumSettings(d.smallSpectrum, s.smallSpectrum);
    applyLevelSettings(d.tallLeft, s.tallLevels);
    applyLevelSettings(d.tallRight, s.tallLevels);
    applyLevelSettings(d.shortLeft, s.shortLevels);
    applyLevelSettings(d.shortRight, s.shortLevels);
}

void applyDisplayTemplates(const VisualisationDisplays& d) {
    applySpectrumTemplate(d.largeSpectrum, 512);
    applySpectrumTemplate(d.smallSpectrum, 256);
    d.smallSpectrum.setKind(SpectrumKind::Dots);
    applyLevelTemplate(d.tallLeft, LevelChannel::Left);
    applyLevelTemplate(d.tallRight, LevelChannel::Right);
    applyLevelTemplate(d.shortLeft, LevelChannel::Left);
    applyLevelTemplate(d.shortRight, LevelChannel::Right);
}

void connectVisualisations(CMMConnectorX& first, CMMConnectorX& second,
                           const VisualisationDisplays& d) {
    first.setFirstSpectrum(&d.largeSpectrum);
    first.setSecondSpectrum(&d.smallSpectrum);
    first.setFirstLevel(&d.tallLeft);
    first.setSecondLevel(&d.tallRight);
    second.setFirstLevel(&d.shortLeft);
    second.setSecondLevel(&d.shortRight);
}

void disconnectVisualisations(CMMConnectorX& first, CMMConnectorX& second) {
    for (CMMConnectorX* c : {&first, &second}) {
        c->setFirstSpectrum(nullptr);
        c->setSecondSpectrum(nullptr);
        c->setFirstLevel(nullptr);
        c->setSecondLevel(nullptr);
    }
}

}  // namespace sonara::audio
