#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/io/Result.h"
#include "core/settings/Colour.h"
#include "core/settings/IniFile.h"

// The look and analysis settings of the main window's six visualisations, as
// the skin's FontInfo.ini keeps them in four sections. The records hold the
// values as read; the analysers decide what an out-of-range value means, so
// a skin file round-trips unchanged.
namespace sonara {

inline constexpr std::string_view kLargeSpectrumSection = "LargeSpectrum";
inline constexpr std::string_view kSmallSpectrumSection = "SmallSpectrum";
inline constexpr std::string_view kTallLevelsSection = "TallLevels";
inline constexpr std::string_view kShortLevelsSection = "ShortLevels";

// A colour as the visualisations take it: red × 65536 + green × 256 + blue,
// the opposite byte order of the skin-wide Colour.
using RgbNumber = uint32_t;

// Each part is limited to 0..255.
RgbNumber rgbNumber(int red, int green, int blue);
RgbNumber toRgbNumber(Colour colour);
Colour fromRgbNumber(RgbNumber number);

// The seven colours of every visualisation section, in file order. A display
// is split by two change points (percent of its height) into three zones:
// lit spots take bar1/bar2/bar3 by zone, unlit spots inactive1/2/3.
struct VisualisationColours {
    RgbNumber bar1 = 0xFFFFFF;
    RgbNumber bar2 = 0xFFFFFF;
    RgbNumber bar3 = 0x0000FF;
    RgbNumber background = 0x000000;
    RgbNumber inactive1 = 0x808080;
    RgbNumber inactive2 = 0x808080;
    RgbNumber inactive3 = 0x000080;

    // The colour of a spot at `fraction` (0 bottom .. 1 top) of the display.
    // A point below the other acts as the same point.
    RgbNumber colourAt(double fraction, int point1, int point2, bool lit) const;

    bool operator==(const VisualisationColours&) const = default;
};

// Sections "LargeSpectrum" and "SmallSpectrum". Member defaults are the
// defaults used for a missing key.
struct SpectrumSettings {
    VisualisationColours colours;
    int kind = 3;
    int fftLength = 64;
    int refFreq = 50;
    int activeDoted = 0;
    int space = 1;
    int displayPeak = 0;
    int gain = 2;
    int spotHeight = 1;
    int spotSpace = 1;
    int decay = 5;
    int decayMode = 1;
    int window = 3;
    int logFreq = 0;
    int logAmp = 0;
    int verticalScale = 400;
    int sampleRate = 44100;
    int point1 = 45;
    int point2 = 90;
    int peekSpeed = 2;
    int peakDelay = 0;

    // The values the built-in skin's own FontInfo.ini holds.
    static SpectrumSettings builtInLarge();
    static SpectrumSettings builtInSmall();

    // A missing key, or a colour that is empty or no "(r,g,b)" text, keeps
    // the default; an integer reads as GetPrivateProfileInt does.
    static SpectrumSettings read(std::string_view section, const IniFile& file);
    // Every key, colours as "(r,g,b)". Write errors are ignored: the file is
    // only being completed.
    void write(std::string_view section, IniFile& file) const;

    bool operator==(const SpectrumSettings&) const = default;
};

// Sections "TallLevels" and "ShortLevels".
struct LevelSettings {
    VisualisationColours colours;
    int spotSpace = 1;
    int point1 = 45;
    int point2 = 90;
    int peekSpeed = 2;
    int peakDelay = 0;
    int gain = 1;

    // The built-in skin's values, the same for both pairs of meters.
    static LevelSettings builtIn();

    static LevelSettings read(std::string_view section, const IniFile& file);
    void write(std::string_view section, IniFile& file) const;

    bool operator==(const LevelSettings&) const = default;
};

// The four records a skin holds.
struct VisualisationSettings {
    SpectrumSettings largeSpectrum;
    SpectrumSettings smallSpectrum;
    LevelSettings tallLevels;
    LevelSettings shortLevels;

    static VisualisationSettings builtIn();

    bool operator==(const VisualisationSettings&) const = default;
};

// Reads the four sections of a loaded FontInfo.ini and writes every key
// back, so that the caller's next save leaves the file complete.
VisualisationSettings readAndCompleteVisualisationSections(IniFile& fontInfo);

// The same on the file at `path`: load, read, complete, save. A missing file
// is created with the defaults. A file that cannot be read is left alone
// (never overwritten) and `settings` gets the defaults. Returns the load or
// save failure; `settings` is filled in every case.
Status completeVisualisationFile(const std::string& path, VisualisationSettings& settings);

}  // namespace sonara
