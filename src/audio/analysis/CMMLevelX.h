#pragma once

#include "audio/analysis/BarMotion.h"
#include "audio/analysis/SampleBlock.h"
#include "core/skin/VisualisationSettings.h"

namespace sonara::audio {

// How a level meter is drawn.
enum class LevelKind {
    Horizontal = 0,
    Vertical = 1,
};

// The channel a level meter shows; a mono block feeds both.
enum class LevelChannel {
    Left = 0,
    Right = 1,
};

// The analysis behind one channel's level meter: the peak of the newest
// 20 ms of each block as a height 0 … 1 with a peak mark, falling between
// updates. The drawing properties are kept for the widget that draws it.
//
// Setters limit what a skin or template gives:
//   Gain       a factor on the sample peak, 1 … 16 (full scale × gain is
//              clipped to the top);
//   NumPeaks   spots the peak mark covers, 0 … 10 (drawing only);
//   PeakDelay  updates a peak holds, 0 … 1000;
//   PeekSpeed  percent of the full height a released peak drops per update,
//              1 … 100;
//   Decay      percent per update, 0 … 100 (0: the bar drops at once);
//   Point1, Point2  the colour change points, percent of the height;
//   LogAmp     the height shows 60 dB of range (a dB meter) instead of the
//              linear peak.
// Enum-like values take the nearest valid value.
//
// Cost: one pass over at most 20 ms of samples per update, no allocation.
// Not thread-safe: the user-interface thread owns it.
class CMMLevelX {
  public:
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
    void setKind(LevelKind kind) { setKind(int(kind)); }
    LevelKind kind() const { return kind_; }
    void setSpotSpace(int pixels);
    int spotSpace() const { return spotSpace_; }
    void setPoint1(int percent);
    int point1() const { return point1_; }
    void setPoint2(int percent);
    int point2() const { return point2_; }
    void setNumPeaks(int spots);
    int numPeaks() const { return numPeaks_; }

    // Analysis properties.
    void setChannel(int channel);
    void setChannel(LevelChannel channel) { setChannel(int(channel)); }
    LevelChannel channel() const { return channel_; }
    void setGain(int factor);
    int gain() const { return gain_; }
    void setPeakDelay(int updates);
    int peakDelay() const { return motion_.peakDelay; }
    void setPeekSpeed(int percent);
    int peekSpeed() const { return peekSpeed_; }
    void setDecay(int percent);
    int decay() const { return decay_; }
    void setDecayMode(int mode);
    void setDecayMode(DecayMode mode) { setDecayMode(int(mode)); }
    DecayMode decayMode() const { return motion_.mode; }
    void setLogAmp(int on) { logAmp_ = on != 0; }
    bool logAmp() const { return logAmp_; }

    // One step over the newest 20 ms of `block` (all of it when shorter; an
    // unusable block is silence).
    void update(const SampleBlock& block);
    void reset();

    float level() const { return level_; }
    float peak() const { return peak_; }

  private:
    VisualisationColours colours_;
    LevelKind kind_ = LevelKind::Vertical;
    int spotSpace_ = 1;
    int point1_ = 45;
    int point2_ = 90;
    int numPeaks_ = 1;

    LevelChannel channel_ = LevelChannel::Left;
    int gain_ = 1;
    int peekSpeed_ = 2;
    int decay_ = 5;
    bool logAmp_ = false;
    BarMotion motion_;

    float level_ = 0;
    float peak_ = 0;
    int hold_ = 0;
};

}  // namespace sonara::audio
