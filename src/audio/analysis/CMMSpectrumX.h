#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "audio/analysis/BarMotion.h"
#include "audio/analysis/RealFft.h"
#include "audio/analysis/SampleBlock.h"
#include "audio/analysis/SpectrumBandLayout.h"
#include "audio/analysis/WindowFunction.h"
#include "core/skin/VisualisationSettings.h"

namespace sonara::audio {

// How a spectrum is drawn, by its "Kind" number.
enum class SpectrumKind {
    Bars = 1,   // solid bars
    Dots = 2,   // one dot at the top of each bar
    Spots = 3,  // bars made of spots (SpotHeight high, SpotSpace apart)
    Lines = 4,  // a line through the bar tops
    Peaks = 5,  // peak marks only
};

// Which audio a spectrum shows.
enum class SpectrumMode {
    Mono = 0,    // left and right mixed: one set of bands
    Stereo = 1,  // one set of bands per channel
    Left = 2,
    Right = 3,
};

// The analysis behind a spectrum display: bands of normalised heights (0
// bottom … 1 top) and their peak marks, from the newest samples, falling
// between updates. The drawing properties (colours, kind, spacing, change
// points) are kept for the widget that draws it.
//
// Every setter takes the raw value a skin or template gives and limits it:
//   FFTLength   the nearest power of two in 8 … 4096 (ties go down);
//   Gain        index g is 3 × g dB, g in 0 … 8 (3 = 9 dB);
//   VerticalScale  percent applied to the heights after the gain, 1 … 1000;
//   RefFreq     the lowest frequency (Hz) of logarithmic bands, at least one
//               bin and at most a quarter of the rate;
//   Decay       percent per update, 0 … 100 (0: bars drop at once);
//   PeekSpeed   percent of the full height a released peak drops per
//               update, 1 … 100;  PeakDelay  updates a peak holds, 0 … 1000;
//   LogAmp      heights show 60 dB of range instead of linear amplitude;
//   SampleRate  the rate assumed when the samples do not give theirs.
// The enum-like values (Kind, Mode, Window, DecayMode) take the nearest valid
// value. A full-scale sine on a band's centre bin at 0 dB gain and 100 %
// scale has height 1.
//
// Cost: one transform per shown channel per update plus a pass over the
// bins; tables are rebuilt only when a setter changes them (FFTLength plans
// a new transform). Not thread-safe: the user-interface thread owns it.
class CMMSpectrumX {
  public:
    CMMSpectrumX();

    // Drawing properties.
    void setBar1Colour(RgbNumber c) { colours_.bar1 = c; }
    void setBar2Colour(RgbNumber c) { colours_.bar2 = c; }
    void setBar3Colour(RgbNumber c) { colours_.bar3 = c; }
    void setBackColour(RgbNumber c) { colours_.background = c; }
    void setInactive1Colour(RgbNumber c) { colours_.inactive1 = c; }
    void setInactive2Colour(RgbNumber c) { colours_.inactive2 = c; }
    void setInactive3Colour(RgbNumber c) { colours_.inactive3 = c; }
    const VisualisationColours& colours() const { return colours_; }
    void setKind(int kind);
    void setKind(SpectrumKind kind) { setKind(int(kind)); }
    SpectrumKind kind() const { return kind_; }
    void setActiveDoted(int on) { activeDoted_ = on != 0; }
    bool activeDoted() const { return activeDoted_; }
    void setSpace(int pixels);
    int space() const { return space_; }
    void setDisplayPeak(int on) { displayPeak_ = on != 0; }
    bool displayPeak() const { return displayPeak_; }
    void setSpotHeight(int pixels);
    int spotHeight() const { return spotHeight_; }
    void setSpotSpace(int pixels);
    int spotSpace() const { return spotSpace_; }
    void setPoint1(int percent);
    int point1() const { return point1_; }
    void setPoint2(int percent);
    int point2() const { return point2_; }

    // Analysis properties.
    void setFftLength(int length);
    int fftLength() const { return fftLength_; }
    void setRefFreq(int hz);
    int refFreq() const { return refFreq_; }
    void setDecay(int percent);
    int decay() const { return decay_; }
    void setDecayMode(int mode);
    void setDecayMode(DecayMode mode) { setDecayMode(int(mode)); }
    DecayMode decayMode() const { return motion_.mode; }
    void setWindow(int index);
    void setWindow(WindowFunction window) { setWindow(int(window)); }
    WindowFunction window() const { return window_; }
    void setLogFreq(int on);
    bool logFreq() const { return logFreq_; }
    void setLogAmp(int on) { logAmp_ = on != 0; }
    bool logAmp() const { return logAmp_; }
    void setVerticalScale(int percent);
    int verticalScale() const { return verticalScale_; }
    void setSampleRate(int hz);
    int sampleRate() const { return sampleRate_; }
    void setPeakDelay(int updates);
    int peakDelay() const { return motion_.peakDelay; }
    void setPeekSpeed(int percent);
    int peekSpeed() const { return peekSpeed_; }
    void setGain(int index);
    int gain() const { return gain_; }
    void setMode(int mode);
    void setMode(SpectrumMode mode) { setMode(int(mode)); }
    SpectrumMode mode() const { return mode_; }
    // Bands to compute: 0 (the default) gives one per bin, FFTLength / 2;
    // others are limited to 1 … FFTLength / 2. The drawing widget sets it
    // from its width.
    void setBandCount(int bands);

    // One analysis step over the newest FFTLength frames of `block` (fewer
    // frames are padded with silence before them; an unusable block is
    // silence). Allocation-free; a new rate recomputes the band edges.
    void update(const SampleBlock& block);
    // Back to silence: bars, peaks and holds at zero.
    void reset();

    // 1, or 2 in Stereo mode.
    int channelCount() const { return mode_ == SpectrumMode::Stereo ? 2 : 1; }
    int bandCount() const { return layout_.bandCount(); }
    // Heights 0 … 1 of `channel` (0 left or the only one, 1 right).
    std::span<const float> bands(int channel) const;
    std::span<const float> peaks(int channel) const;
    // The band that shows `hz` at the current rate, -1 for none.
    std::optional<int> bandOf(double hz) const { return layout_.bandOf(hz); }
    // Empty, or why no transform could be made (the display stays silent).
    const std::string& error() const { return error_; }

  private:
    void rebuildTransform();
    void rebuildTables();
    void rebuildLayout();
    void fillInput(const SampleBlock& block, int channel);
    int effectiveRate() const { return blockRate_ > 0 ? blockRate_ : sampleRate_; }

    VisualisationColours colours_;
    SpectrumKind kind_ = SpectrumKind::Bars;
    bool activeDoted_ = false;
    int space_ = 1;
    bool displayPeak_ = false;
    int spotHeight_ = 1;
    int spotSpace_ = 1;
    int point1_ = 45;
    int point2_ = 90;

    int fftLength_ = 512;
    int refFreq_ = 50;
    int decay_ = 5;
    WindowFunction window_ = WindowFunction::Rectangular;
    bool logFreq_ = false;
    bool logAmp_ = false;
    int verticalScale_ = 100;
    int sampleRate_ = 44100;
    int peekSpeed_ = 2;
    int gain_ = 0;
    SpectrumMode mode_ = SpectrumMode::Stereo;
    int requestedBands_ = 0;
    BarMotion motion_;

    std::optional<RealFft> fft_;
    std::string error_;
    std::vector<float> windowCoefficients_;  // window × normalisation, per sample
    SpectrumBandLayout layout_;
    int blockRate_ = 0;   // the rate the last usable block gave, 0 for none
    int layoutRate_ = 0;  // the rate the band layout was built for
    float heightScale_ = 1;
    std::vector<float> bars_;  // 2 × bands: left then right
    std::vector<float> peaks_;
    std::vector<int> holds_;
};

}  // namespace sonara::audio
