#include "core/metadata/FileNameSplit.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

TEST(MetadataFileNameSplit, ArtistAndTitleFromTheLastDash) {
    auto s = splitFileName("/home/u/Music/Band - Song.mp3");
    EXPECT_EQ(s.name, "Band - Song");
    EXPECT_EQ(s.artist, "Band");
    EXPECT_EQ(s.title, "Song");
    EXPECT_EQ(s.combined, "Band - Song");

    s = splitFileName("A - B - C.mp3");
    EXPECT_EQ(s.artist, "A - B");
    EXPECT_EQ(s.title, "C");

    // Only one blank goes from the artist's end; display trimming does the rest.
    s = splitFileName("Band  -   Song.mp3");
    EXPECT_EQ(s.artist, "Band ");
    EXPECT_EQ(s.title, "Song");

    s = splitFileName("Band-Song");
    EXPECT_EQ(s.artist, "Band");
    EXPECT_EQ(s.title, "Song");
}

TEST(MetadataFileNameSplit, MissingPartsGiveUnknownOrEmpty) {
    auto s = splitFileName("/music/Track07.mp3");
    EXPECT_EQ(s.artist, "Unknown");
    EXPECT_EQ(s.title, "Track07");
    EXPECT_EQ(s.combined, "Unknown - Track07");

    s = splitFileName("- Song.mp3");
    EXPECT_EQ(s.artist, "Unknown");
    EXPECT_EQ(s.title, "Song");

    s = splitFileName("Band - .mp3");
    EXPECT_EQ(s.artist, "Band");
    EXPECT_EQ(s.title, "");

    s = splitFileName("");
    EXPECT_EQ(s.name, "");
    EXPECT_EQ(s.artist, "Unknown");
}

TEST(MetadataFileNameSplit, LeadingParenthesisedPartLeavesTheTitle) {
    EXPECT_EQ(splitFileName("X - (Live) Song.mp3").title, "Song");
    EXPECT_EQ(splitFileName("X - Song (Live).mp3").title, "Song (Live)");
    EXPECT_EQ(splitFileName("X - (Live Song.mp3").title, "(Live Song");  // no ")"
    EXPECT_EQ(splitFileName("X - (Live).mp3").title, "");
}

TEST(MetadataFileNameSplit, FoldersAndDotsAreCutOnlyWhereTheyBelong) {
    // A dash or dot in a folder name plays no part.
    auto s = splitFileName("/mnt/Best-Of.vol1/Track.mp3");
    EXPECT_EQ(s.name, "Track");
    EXPECT_EQ(s.artist, "Unknown");
    // Only the last dot starts the extension.
    s = splitFileName("Mr. X - Song.final.mp3");
    EXPECT_EQ(s.artist, "Mr. X");
    EXPECT_EQ(s.title, "Song.final");
    // A backslash is an ordinary character of a Linux file name.
    EXPECT_EQ(splitFileName("/m/AC\\DC - Song.mp3").artist, "AC\\DC");
    // UTF-8 names are split at ASCII characters only and stay whole.
    s = splitFileName("/m/Bj\xC3\xB6rk - J\xC3\xB3ga.mp3");
    EXPECT_EQ(s.artist, "Bj\xC3\xB6rk");
    EXPECT_EQ(s.title, "J\xC3\xB3ga");
}

}  // namespace
}  // namespace sonara
