#include "core/metadata/Normaliser.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

NormaliseOptions allOff() {
    NormaliseOptions o;
    o.useTagInfo = o.replaceUnderscore = o.replaceBrackets = o.replaceParens = false;
    o.firstLetterCaps = false;
    return o;
}

TEST(MetadataNormaliser, EachOptionDoesItsStep) {
    const NormaliseOptions all;
    EXPECT_EQ(normalise("my_song_title", all), "My Song Title");
    EXPECT_EQ(normalise("[Live] song", all), "Live Song");
    EXPECT_EQ(normalise("song (live) {x}", all), "Song Live {x}");

    NormaliseOptions noCaps;
    noCaps.firstLetterCaps = false;
    EXPECT_EQ(normalise("[Live] song", noCaps), "Live song");
    EXPECT_EQ(normalise("__a_b__", noCaps), "a b");

    NormaliseOptions onlyCaps = allOff();
    onlyCaps.firstLetterCaps = true;
    EXPECT_EQ(normalise("my_song (live)", onlyCaps), "My_song (live)");
    // Only a character after a blank starts a word.
    EXPECT_EQ(normalise("a\tb", onlyCaps), "A\tb");
}

TEST(MetadataNormaliser, CapitalsNeverLowerCase) {
    const NormaliseOptions all;
    EXPECT_EQ(normalise("rock'n roll", all), "Rock'n Roll");
    EXPECT_EQ(normalise("mcDONALD", all), "McDONALD");
    EXPECT_EQ(normalise("  hello   world ", all), "Hello   World");
    EXPECT_EQ(normalise("1st song", all), "1st Song");
}

TEST(MetadataNormaliser, CapitalsCoverLatin1Letters) {
    const NormaliseOptions all;
    EXPECT_EQ(normalise("\xC3\xA9lan vital", all), "\xC3\x89lan Vital");  // élan → Élan
    EXPECT_EQ(normalise("\xC3\xBE \xC3\xA0", all), "\xC3\x9E \xC3\x80");  // þ à
    // ÷, ß and ÿ have no Latin-1 capital; other scripts are left alone.
    EXPECT_EQ(normalise("\xC3\xB7 \xC3\x9F \xC3\xBF", all), "\xC3\xB7 \xC3\x9F \xC3\xBF");
    EXPECT_EQ(normalise("\xD0\xB0 \xE2\x82\xAC", all), "\xD0\xB0 \xE2\x82\xAC");
}

TEST(MetadataNormaliser, AllOptionsOffOnlyTrims) {
    EXPECT_EQ(normalise(" \t[my_song] (x) \r\n", allOff()), "[my_song] (x)");
    EXPECT_EQ(normalise("", allOff()), "");
    EXPECT_EQ(normalise("   ", NormaliseOptions{}), "");
}

TEST(MetadataNormaliser, DisplayUsesTheTagOnlyWithTitleAndArtist) {
    const NormaliseOptions all;
    EXPECT_EQ(chooseDisplay("tag_title", "file title", true, all), "Tag Title");
    EXPECT_EQ(chooseDisplay("tag title", "file_title", false, all), "File Title");
    NormaliseOptions noTag;
    noTag.useTagInfo = false;
    EXPECT_EQ(chooseDisplay("tag title", "file title", true, noTag), "File Title");
}

}  // namespace
}  // namespace sonara
