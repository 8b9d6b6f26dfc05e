#include "core/skin/VisualisationSettings.h"

#include <algorithm>
#include <array>

#include "core/settings/ProfileRoutines.h"

namespace sonara {

namespace {

struct ColourKey {
    std::string_view key;
    RgbNumber VisualisationColours::*member;
};

// File order of the seven colour keys, shared by both section kinds.
constexpr std::array<ColourKey, 7> kColourKeys{{
    {"RGB Bar1Color", &VisualisationColours::bar1},
    {"RGB Bar2Color", &VisualisationColours::bar2},
    {"RGB Bar3Color", &VisualisationColours::bar3},
    {"RGB Color", &VisualisationColours::background},
    {"RGB Inactive1Color", &VisualisationColours::inactive1},
    {"RGB Inactive2Color", &VisualisationColours::inactive2},
    {"RGB Inactive3Color", &VisualisationColours::inactive3},
}};

template <typename Record>
struct IntKey {
    std::string_view key;
    int Record::*member;
};

constexpr std::array<IntKey<SpectrumSettings>, 20> kSpectrumKeys{{
    {"Kind", &SpectrumSettings::kind},
    {"FFTLength", &SpectrumSettings::fftLength},
    {"RefFreq", &SpectrumSettings::refFreq},
    {"ActiveDoted", &SpectrumSettings::activeDoted},
    {"Space", &SpectrumSettings::space},
    {"DisplayPeak", &SpectrumSettings::displayPeak},
    {"Gain", &SpectrumSettings::gain},
    {"SpotHeight", &SpectrumSettings::spotHeight},
    {"SpotSpace", &SpectrumSettings::spotSpace},
    {"Decay", &SpectrumSettings::decay},
    {"DecayMode", &SpectrumSettings::decayMode},
    {"Window", &SpectrumSettings::window},
    {"LogFreq", &SpectrumSettings::logFreq},
    {"LogAmp", &SpectrumSettings::logAmp},
    {"VerticalScale", &SpectrumSettings::verticalScale},
    {"SampleRate", &SpectrumSettings::sampleRate},
    {"Point1", &SpectrumSettings::point1},
    {"Point2", &SpectrumSettings::point2},
    {"PeekSpeed", &SpectrumSettings::peekSpeed},
    {"PeakDelay", &SpectrumSettings::peakDelay},
}};

constexpr std::array<IntKey<LevelSettings>, 6> kLevelKeys{{
    {"SpotSpace", &LevelSettings::spotSpace},
    {"Point1", &LevelSettings::point1},
    {"Point2", &LevelSettings::point2},
    {"PeekSpeed", &LevelSettings::peekSpeed},
    {"PeakDelay", &LevelSettings::peakDelay},
    {"Gain", &LevelSettings::gain},
}};

void readColours(std::string_view section, const IniFile& file, VisualisationColours& colours) {
    for (const ColourKey& k : kColourKeys) {
        RgbNumber& value = colours.*k.member;
        value = toRgbNumber(
            readProfileColour(file, section, k.key, fromRgbNumber(value), /*swap=*/false));
    }
}

void writeColours(std::string_view section, IniFile& file, const VisualisationColours& colours) {
    for (const ColourKey& k : kColourKeys) {
        writeProfileColour(file, section, k.key, fromRgbNumber(colours.*k.member),
                           /*swap=*/false);
    }
}

template <typename Record, size_t N>
void readInts(std::string_view section, const IniFile& file,
              const std::array<IntKey<Record>, N>& keys, Record& record) {
    for (const IntKey<Record>& k : keys) {
        record.*k.member = file.getInt(section, k.key, record.*k.member);
    }
}

template <typename Record, size_t N>
void writeInts(std::string_view section, IniFile& file, const std::array<IntKey<Record>, N>& keys,
               const Record& record) {
    for (const IntKey<Record>& k : keys) {
        writeProfileInt(file, section, k.key, record.*k.member);
    }
}

VisualisationColours builtInColours() {
    VisualisationColours c;
    c.bar1 = rgbNumber(0, 255, 255);
    c.bar2 = rgbNumber(0, 255, 255);
    c.bar3 = rgbNumber(0, 0, 255);
    c.background = rgbNumber(0, 0, 0);
    c.inactive1 = rgbNumber(0, 128, 128);
    c.inactive2 = rgbNumber(0, 128, 128);
    c.inactive3 = rgbNumber(0, 0, 128);
    return c;
}

}  // namespace

RgbNumber rgbNumber(int red, int green, int blue) {
    const auto part = [](int v) { return static_cast<RgbNumber>(std::clamp(v, 0, 255)); };
    return part(red) << 16 | part(green) << 8 | part(blue);
}

RgbNumber toRgbNumber(Colour colour) {
    return rgbNumber(colour.red(), colour.green(), colour.blue());
}

Colour fromRgbNumber(RgbNumber number) {
    return Colour::fromRgb(int(number >> 16 & 0xFF), int(number >> 8 & 0xFF), int(number & 0xFF));
}

RgbNumber VisualisationColours::colourAt(double fraction, int point1, int point2, bool lit) const {
    const double percent = fraction * 100.0;
    const int zone = percent < point1 ? 0 : percent < std::max(point1, point2) ? 1 : 2;
    const RgbNumber litColours[] = {bar1, bar2, bar3};
    const RgbNumber unlitColours[] = {inactive1, inactive2, inactive3};
    return lit ? litColours[zone] : unlitColours[zone];
}

SpectrumSettings SpectrumSettings::builtInLarge() {
    SpectrumSettings s;
    s.colours = builtInColours();
    return s;
}

SpectrumSettings SpectrumSettings::builtInSmall() {
    SpectrumSettings s;
    s.colours = builtInColours();
    s.colours.inactive1 = s.colours.inactive2 = s.colours.inactive3 = rgbNumber(0, 0, 0);
    s.kind = 2;
    s.fftLength = 256;
    s.space = 0;
    s.spotSpace = 0;
    s.window = 0;
    return s;
}

SpectrumSettings SpectrumSettings::read(std::string_view section, const IniFile& file) {
    SpectrumSettings s;
    readColours(section, file, s.colours);
    readInts(section, file, kSpectrumKeys, s);
    return s;
}

void SpectrumSettings::write(std::string_view section, IniFile& file) const {
    writeColours(section, file, colours);
    writeInts(section, file, kSpectrumKeys, *this);
}

LevelSettings LevelSettings::builtIn() {
    LevelSettings s;
    s.colours = builtInColours();
    return s;
}

LevelSettings LevelSettings::read(std::string_view section, const IniFile& file) {
    LevelSettings s;
    readColours(section, file, s.colours);
    readInts(section, file, kLevelKeys, s);
    return s;
}

void LevelSettings::write(std::string_view section, IniFile& file) const {
    writeColours(section, file, colours);
    writeInts(section, file, kLevelKeys, *this);
}

VisualisationSettings VisualisationSettings::builtIn() {
    return {SpectrumSettings::builtInLarge(), SpectrumSettings::builtInSmall(),
            LevelSettings::builtIn(), LevelSettings::builtIn()};
}

VisualisationSettings readAndCompleteVisualisationSections(IniFile& fontInfo) {
    VisualisationSettings s;
    s.largeSpectrum = SpectrumSettings::read(kLargeSpectrumSection, fontInfo);
    s.smallSpectrum = SpectrumSettings::read(kSmallSpectrumSection, fontInfo);
    s.tallLevels = LevelSettings::read(kTallLevelsSection, fontInfo);
    s.shortLevels = LevelSettings::read(kShortLevelsSection, fontInfo);
    s.largeSpectrum.write(kLargeSpectrumSection, fontInfo);
    s.smallSpectrum.write(kSmallSpectrumSection, fontInfo);
    s.tallLevels.write(kTallLevelsSection, fontInfo);
    s.shortLevels.write(kShortLevelsSection, fontInfo);
    return s;
}

Status completeVisualisationFile(const std::string& path, VisualisationSettings& settings) {
    IniFile file;
    if (Status loaded = file.load(path); !loaded) {
        // Saving now would replace a file we could not read with defaults.
        settings = VisualisationSettings();
        return loaded;
    }
    const std::string before = file.toText();
    settings = readAndCompleteVisualisationSections(file);
    // A complete file is not rewritten: a skin on read-only media stays quiet.
    return file.toText() == before ? Status::success() : file.save(path);
}

}  // namespace sonara
