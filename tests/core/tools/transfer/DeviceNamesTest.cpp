#include "core/tools/transfer/DeviceNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sonara {
namespace {

TEST(DeviceNames, SafeNameReplacesRefusedCharactersAndKeepsTheRest) {
    EXPECT_EQ(deviceSafeName("AC/DC: Live? \"Yes\" <1|2> a*b\\c.mp3"),
              "AC_DC_ Live_ _Yes_ _1_2_ a_b_c.mp3");
    EXPECT_EQ(deviceSafeName("tab\there\x7F.mp3"), "tab_here_.mp3");
    EXPECT_EQ(deviceSafeName("Café – Ünïcødé 日本.mp3"), "Café – Ünïcødé 日本.mp3");
    EXPECT_EQ(deviceSafeName("ends in dots. . ."), "ends in dots");
    EXPECT_EQ(deviceSafeName(""), "_");
    EXPECT_EQ(deviceSafeName(". ."), "_");
}

TEST(DeviceNames, LongNameIsCutOnACharacterBoundaryKeepingItsExtension) {
    std::string stem;
    for (int i = 0; i < 200; ++i)
        stem += "é";  // two bytes each
    const std::string safe = deviceSafeName(stem + ".mp3");
    EXPECT_LE(safe.size(), 255u);
    EXPECT_EQ(safe.substr(safe.size() - 4), ".mp3");
    // Cutting inside a two-byte character would leave an odd stem length.
    EXPECT_EQ((safe.size() - 4) % 2, 0u);
    EXPECT_EQ(safe.size(), 254u);

    const std::string noExtension(300, 'a');
    EXPECT_EQ(deviceSafeName(noExtension), std::string(255, 'a'));
}

TEST(DeviceNames, UniqueNameCountsUpIgnoringAsciiCase) {
    const std::vector<std::string> taken = {"Song.mp3", "SONG (2).MP3", "other.mp3"};
    EXPECT_EQ(uniqueDeviceName("new.mp3", taken), "new.mp3");
    EXPECT_EQ(uniqueDeviceName("song.mp3", taken), "song (3).mp3");
    EXPECT_EQ(uniqueDeviceName("other.mp3", taken), "other (2).mp3");
    EXPECT_EQ(uniqueDeviceName("other", {"OTHER"}), "other (2)");
    // Case is only folded for ASCII: FAT keeps other letters apart.
    EXPECT_EQ(uniqueDeviceName("é.mp3", {"É.mp3"}), "é.mp3");

    const std::string longName = std::string(251, 'x') + ".mp3";
    const std::string second = uniqueDeviceName(longName, {longName});
    EXPECT_EQ(second, std::string(247, 'x') + " (2).mp3");
}

TEST(DeviceNames, StemEndsAtTheLastDotOfTheFileName) {
    EXPECT_EQ(deviceFileStem("song.mp3"), "song");
    EXPECT_EQ(deviceFileStem("01. Intro.mp3"), "01. Intro");
    EXPECT_EQ(deviceFileStem("no extension"), "no extension");
    EXPECT_EQ(deviceFileStem("Rock.Band/track"), "Rock.Band/track");
    EXPECT_EQ(deviceFileStem("Rock/a.b.mp3"), "Rock/a.b");
    EXPECT_EQ(deviceFileStem(".hidden"), ".hidden");
}

}  // namespace
}  // namespace sonara
