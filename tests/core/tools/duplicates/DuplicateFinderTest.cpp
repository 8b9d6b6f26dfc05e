#include "core/tools/duplicates/DuplicateFinder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

void song(const fs::path& file, double seconds) {
    fs::create_directories(file.parent_path());
    testing::writeMp3(file, testing::songSpec(seconds));
}

TEST(DuplicateKey, StripCharsKeepsOnlyLettersAndDigitsInUpperCase) {
    EXPECT_EQ(duplicateKey("Song_1.mp3", true), "SONG1MP3");
    EXPECT_EQ(duplicateKey("song 1.MP3", true), "SONG1MP3");
    EXPECT_EQ(duplicateKey("song 1.MP3", false), "song 1.MP3");
    // Different names in other scripts, or of punctuation only, stay apart.
    EXPECT_NE(duplicateKey("Песня.mp3", true), duplicateKey("Музыка.mp3", true));
    EXPECT_EQ(duplicateKey("Песня (live).mp3", true), duplicateKey("Песня_live.mp3", true));
    EXPECT_NE(duplicateKey("!!!.mp3", true), duplicateKey("???.mp3", true));
}

TEST(DuplicateTotals, CountAndKilobytesWithThousandsSeparators) {
    EXPECT_EQ(groupedKilobytes(1023), "0");
    EXPECT_EQ(groupedKilobytes(1024ull * 999), "999");
    EXPECT_EQ(groupedKilobytes(1024ull * 1234567), "1,234,567");
    std::vector<DuplicateEntry> entries(3);
    entries[0].size = 2048;
    entries[0].marked = false;
    entries[1].size = 1024ull * 1500;
    entries[2].size = 1024;
    EXPECT_EQ(totalFoundLine(entries), " Total Duplicates Found (Size):3 (1,503KB)");
    EXPECT_EQ(totalMarkedLine(entries), " Items Marked for Deletion (Size):2 (1,501KB)");
    clearMarks(entries);
    EXPECT_EQ(totalMarkedLine(entries), " Items Marked for Deletion (Size):0 (0KB)");
}

TEST(FindDuplicates, ThreeCopiesKeepTheLargestUnmarkedAndSinglesAreDropped) {
    TempDir dir;
    song(dir.path() / "a" / "x.mp3", 1);
    song(dir.path() / "b" / "deep" / "x.mp3", 3);
    song(dir.path() / "c" / "x.mp3", 2);
    song(dir.path() / "c" / "alone.mp3", 1);
    testing::writeText(dir.path() / "c" / "x.mp3.txt", "not audio");

    const DuplicateSearch search = findDuplicates({dir.path().string()}, true, nullptr);
    ASSERT_EQ(search.entries.size(), 3u);
    EXPECT_EQ(search.entries[0].folder, (dir.path() / "b" / "deep").string() + "/");
    EXPECT_FALSE(search.entries[0].marked);
    EXPECT_TRUE(search.entries[1].marked);
    EXPECT_TRUE(search.entries[2].marked);
    EXPECT_GT(search.entries[0].size, search.entries[1].size);
    EXPECT_GT(search.entries[1].size, search.entries[2].size);
    EXPECT_EQ(search.entries[2].folder, (dir.path() / "a").string() + "/");
}

TEST(FindDuplicates, StripCharsDecidesWhetherNamesDifferingInPunctuationMatch) {
    TempDir dir;
    song(dir.path() / "one" / "Song_1.mp3", 1);
    song(dir.path() / "two" / "song 1.MP3", 1);
    EXPECT_EQ(findDuplicates({dir.path().string()}, true, nullptr).entries.size(), 2u);
    EXPECT_TRUE(findDuplicates({dir.path().string()}, false, nullptr).entries.empty());
}

TEST(FindDuplicates, NamesDifferingOnlyInCaseMatchWithoutStripChars) {
    TempDir dir;
    song(dir.path() / "one" / "Song.mp3", 1);
    song(dir.path() / "two" / "SONG.MP3", 1);
    EXPECT_EQ(findDuplicates({dir.path().string()}, false, nullptr).entries.size(), 2u);
}

TEST(FindDuplicates, TheSameFileReachedTwiceIsNotItsOwnDuplicate) {
    TempDir dir;
    song(dir.path() / "music" / "rock" / "x.mp3", 1);
    fs::create_directory_symlink(dir.path() / "music" / "rock", dir.path() / "link");
    const std::string music = (dir.path() / "music").string();
    const std::string rock = (dir.path() / "music" / "rock").string();
    EXPECT_TRUE(findDuplicates({music, rock}, true, nullptr).entries.empty());
    EXPECT_TRUE(findDuplicates({dir.path().string()}, true, nullptr).entries.empty());
}

TEST(FindDuplicates, CancelKeepsWhatWasFound) {
    TempDir dir;
    song(dir.path() / "a" / "x.mp3", 1);
    song(dir.path() / "b" / "x.mp3", 1);
    song(dir.path() / "c" / "x.mp3", 1);
    testing::ScriptedPrompter prompter;
    prompter.cancelAfterFiles(2);
    DuplicateSearch search;
    prompter.runProgress("", "", [&](Progress& progress) {
        search = findDuplicates({dir.path().string()}, true, &progress);
        return true;
    });
    EXPECT_TRUE(search.cancelled);
    EXPECT_EQ(search.entries.size(), 2u);
}

TEST(FindDuplicates, MissingFolderFindsNothing) {
    EXPECT_TRUE(findDuplicates({"/nonexistent/sonara/folder"}, true, nullptr).entries.empty());
}

}  // namespace
}  // namespace sonara
