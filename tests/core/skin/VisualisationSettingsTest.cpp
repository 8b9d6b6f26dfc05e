#include "core/skin/VisualisationSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace sonara {
namespace {

IniFile fromText(std::string_view text) {
    IniFile file;
    EXPECT_TRUE(file.loadFromText(text).ok());
    return file;
}

TEST(VisualisationColourTest, RedSitsInTheHighByte) {
    EXPECT_EQ(rgbNumber(255, 0, 0), 16711680u);
    EXPECT_EQ(rgbNumber(0, 0, 255), 255u);
    EXPECT_EQ(rgbNumber(300, -1, 7), 0xFF0007u);
    const Colour skinWide = Colour::fromRgb(1, 2, 3);
    EXPECT_EQ(toRgbNumber(skinWide), 0x010203u);
    EXPECT_EQ(fromRgbNumber(0x010203), skinWide);
}

TEST(VisualisationColourTest, ZonesFollowTheChangePoints) {
    VisualisationColours c;
    c.bar1 = 1;
    c.bar2 = 2;
    c.bar3 = 3;
    c.inactive1 = 11;
    c.inactive2 = 12;
    c.inactive3 = 13;
    EXPECT_EQ(c.colourAt(0.0, 45, 90, true), 1u);
    EXPECT_EQ(c.colourAt(0.44, 45, 90, true), 1u);
    EXPECT_EQ(c.colourAt(0.45, 45, 90, true), 2u);
    EXPECT_EQ(c.colourAt(0.95, 45, 90, true), 3u);
    EXPECT_EQ(c.colourAt(0.95, 45, 90, false), 13u);
    // A second point below the first acts as the first.
    EXPECT_EQ(c.colourAt(0.5, 45, 10, true), 3u);
}

TEST(SpectrumSettingsTest, ReadsValuesAndKeepsDefaultsForBadColours) {
    const IniFile file = fromText(
        "[SmallSpectrum]\n"
        "RGB Bar1Color=(255,0,0)\n"
        "RGB Bar2Color=(12\n"
        "RGB Bar3Color=\n"
        "RGB Color=red\n"
        "RGB Inactive1Color=(999,0,0)\n"
        "FFTLength=7\n"
        "Decay=-3\n"
        "Gain=\n"
        "Window=4abc\n");
    const SpectrumSettings s = SpectrumSettings::read(kSmallSpectrumSection, file);
    EXPECT_EQ(s.colours.bar1, 16711680u);
    EXPECT_EQ(s.colours.bar2, 0xFFFFFFu);       // malformed: default
    EXPECT_EQ(s.colours.bar3, 0x0000FFu);       // empty: default
    EXPECT_EQ(s.colours.background, 0u);        // no colour text: default
    EXPECT_EQ(s.colours.inactive1, 0xFF0000u);  // each part limited to 255
    // Stored as given; the analyser limits them.
    EXPECT_EQ(s.fftLength, 7);
    EXPECT_EQ(s.decay, -3);
    EXPECT_EQ(s.gain, 2);  // empty: default
    EXPECT_EQ(s.window, 4);
}

TEST(LevelSettingsTest, MissingTallLevelsSectionIsCompleted) {
    IniFile file = fromText("; skin\n[ShortLevels]\nGain=3\nRGB Bar1Color=(1,2,3)\n");
    const VisualisationSettings s = readAndCompleteVisualisationSections(file);
    EXPECT_EQ(s.tallLevels, LevelSettings());
    EXPECT_EQ(s.shortLevels.gain, 3);
    EXPECT_EQ(s.shortLevels.colours.bar1, 0x010203u);
    EXPECT_EQ(s.shortLevels.colours.bar2, 0xFFFFFFu);

    const std::vector<std::string> expectedKeys = {"RGB Bar1Color",
                                                   "RGB Bar2Color",
                                                   "RGB Bar3Color",
                                                   "RGB Color",
                                                   "RGB Inactive1Color",
                                                   "RGB Inactive2Color",
                                                   "RGB Inactive3Color",
                                                   "SpotSpace",
                                                   "Point1",
                                                   "Point2",
                                                   "PeekSpeed",
                                                   "PeakDelay",
                                                   "Gain"};
    EXPECT_EQ(file.keys(kTallLevelsSection), expectedKeys);
    EXPECT_EQ(file.get("TallLevels", "Gain"), "1");
    EXPECT_EQ(file.get("ShortLevels", "Gain"), "3");
    EXPECT_EQ(file.get("ShortLevels", "RGB Bar1Color"), "(1,2,3)");
    EXPECT_EQ(s.largeSpectrum, SpectrumSettings());
    EXPECT_EQ(file.keys(kSmallSpectrumSection).size(), 27u);
    EXPECT_EQ(file.get("LargeSpectrum", "RGB Inactive1Color"), "(128,128,128)");
    EXPECT_EQ(file.get("LargeSpectrum", "VerticalScale"), "400");
    EXPECT_EQ(file.toText().rfind("; skin\n", 0), 0u);  // comments survive

    IniFile again = fromText(file.toText());
    EXPECT_EQ(readAndCompleteVisualisationSections(again), s);
    EXPECT_EQ(again.toText(), file.toText());
}

TEST(VisualisationSettingsTest, BuiltInSkinValuesRoundTrip) {
    const VisualisationSettings builtIn = VisualisationSettings::builtIn();
    EXPECT_EQ(builtIn.largeSpectrum.colours.inactive1, rgbNumber(0, 128, 128));
    EXPECT_EQ(builtIn.smallSpectrum.colours.inactive1, 0u);
    EXPECT_EQ(builtIn.smallSpectrum.fftLength, 256);
    EXPECT_EQ(builtIn.tallLevels, builtIn.shortLevels);

    IniFile file;
    builtIn.largeSpectrum.write(kLargeSpectrumSection, file);
    builtIn.smallSpectrum.write(kSmallSpectrumSection, file);
    builtIn.tallLevels.write(kTallLevelsSection, file);
    builtIn.shortLevels.write(kShortLevelsSection, file);
    EXPECT_EQ(file.get("SmallSpectrum", "RGB Bar1Color"), "(0,255,255)");
    EXPECT_EQ(readAndCompleteVisualisationSections(file), builtIn);
}

TEST(VisualisationSettingsTest, CompletingAFile) {
    testing::TempDir dir;
    const std::string path = dir.file("fontinfo.ini");
    testing::writeText(path, "[StaticText]\nFont Size=9\n[TallLevels]\nGain=4\n");

    VisualisationSettings s;
    ASSERT_TRUE(completeVisualisationFile(path, s).ok());
    EXPECT_EQ(s.tallLevels.gain, 4);
    const std::string completed = testing::readText(path);
    EXPECT_NE(completed.find("[ShortLevels]"), std::string::npos);
    EXPECT_NE(completed.find("Font Size=9"), std::string::npos);

    // A complete file reads the same and stays as it is.
    VisualisationSettings again;
    ASSERT_TRUE(completeVisualisationFile(path, again).ok());
    EXPECT_EQ(again, s);
    EXPECT_EQ(testing::readText(path), completed);

    // A missing file is created with the defaults.
    const std::string fresh = dir.file("new.ini");
    ASSERT_TRUE(completeVisualisationFile(fresh, again).ok());
    EXPECT_EQ(again, VisualisationSettings());
    EXPECT_NE(testing::readText(fresh).find("[LargeSpectrum]"), std::string::npos);
}

TEST(VisualisationSettingsTest, AnUnreadableFileIsReportedAndLeftAlone) {
    testing::TempDir dir;
    const std::string path = dir.file("fontinfo.ini");
    std::filesystem::create_directory(path);  // cannot be read as a file
    VisualisationSettings s = VisualisationSettings::builtIn();
    EXPECT_FALSE(completeVisualisationFile(path, s).ok());
    EXPECT_EQ(s, VisualisationSettings());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace sonara
