#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/playlist/CurrentPlayListFile.h"
#include "core/playlist/TextPlayList.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::ScriptedPrompter;
using testing::TempDir;

PlayListEntry entry(const std::string& path, EntryState state, const std::string& title = "t") {
    PlayListEntry e;
    e.path = path;
    e.title = title;
    e.artist = "a";
    e.state = state;
    e.length = 100;
    e.elapsed = 30;
    return e;
}

TEST(CurrentPlayListFile, LayoutStatesAndLongTitles) {
    std::vector<PlayListEntry> entries = {
        entry("/p1.mp3", EntryState::Played),
        entry("/p2.mp3", EntryState::Current, std::string(300, 'T'))};
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        current_playlist_file::write(out, entries);
    }
    // count, then path, artist (before the title), title, reserved, state, length.
    const std::vector<uint8_t> first = {2,   0,   0, 0,   7,   '/', 'p',  '1',  '.',  'm',
                                        'p', '3', 1, 'a', 1,   't', 0xFF, 0xFF, 0xFF, 0xFF,
                                        2,   0,   0, 0,   100, 0,   0,    0};
    ASSERT_GT(bytes.size(), first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), bytes.begin()));
    // The 300-character title uses the 0xFF + 16-bit form.
    const size_t second = first.size() + 8 + 2;
    EXPECT_EQ(bytes[second], 0xFF);
    EXPECT_EQ(bytes[second + 1], 300 & 0xFF);
    EXPECT_EQ(bytes[second + 2], 300 >> 8);

    std::vector<PlayListEntry> loaded;
    ArchiveReader in(bytes);
    ASSERT_TRUE(current_playlist_file::read(in, loaded));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].state, EntryState::Played);
    EXPECT_EQ(loaded[1].state, EntryState::Unplayed);  // nothing is current after loading
    EXPECT_EQ(loaded[1].title, std::string(300, 'T'));
    EXPECT_EQ(loaded[0].reserved, -1);
    EXPECT_EQ(loaded[0].elapsed, 0);  // not stored
}

TEST(CurrentPlayListFile, DamageKeepsTheEntriesBefore) {
    std::vector<PlayListEntry> entries = {entry("/a.mp3", EntryState::Unplayed),
                                          entry("/b.mp3", EntryState::Unplayed)};
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        current_playlist_file::write(out, entries);
    }
    bytes.resize(bytes.size() - 3);
    std::vector<PlayListEntry> loaded;
    ArchiveReader in(bytes);
    EXPECT_FALSE(current_playlist_file::read(in, loaded));
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].path, "/a.mp3");
}

TEST(TextPlayList, WritesPathsWithCrLf) {
    TempDir dir;
    const std::string file = dir.file("Sonara.snl");
    std::vector<PlayListEntry> entries = {entry("/m/a.mp3", EntryState::Played),
                                          entry("", EntryState::Unplayed),
                                          entry("/m/b c.mp3", EntryState::Current)};
    ASSERT_TRUE(text_playlist::write(file, entries));
    EXPECT_EQ(testing::readText(file), "/m/a.mp3\r\n/m/b c.mp3\r\n");
}

TEST(TextPlayList, ParsesLineEndingsCommentsAndRelativePaths) {
    EXPECT_EQ(text_playlist::parse("/a.mp3\r\n/b.mp3\n\r\n/c.mp3", "/lists/"),
              (std::vector<std::string>{"/a.mp3", "/b.mp3", "/c.mp3"}));
    EXPECT_EQ(text_playlist::parse("#EXTM3U\n#EXTINF:12,X\nsub/x.mp3\n", "/lists/"),
              std::vector<std::string>{"/lists/sub/x.mp3"});
}

class TextPlayListRead : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.mp3", "b.mp3"}) {
            testing::writeText(dir.path() / name, "x");
        }
    }
    text_playlist::ReadReport read(const std::string& path) {
        return text_playlist::read(
            path,
            [&] {
                list.clear();
                ++clears;
            },
            [&](const std::string& file) {
                list.push_back(file);
                return true;
            },
            prompter);
    }
    TempDir dir;
    ScriptedPrompter prompter;
    std::vector<std::string> list{"/already/queued.mp3"};
    int clears = 0;
};

TEST_F(TextPlayListRead, ReplacesTheListAndReportsMissingFiles) {
    const std::string file = dir.file("LIST.M3U");
    testing::writeText(file,
                       dir.file("a.mp3") + "\r\n/missing/x.mp3\r\n" + dir.file("b.mp3") + "\r\n");
    const auto report = read(file);
    EXPECT_TRUE(report.replaced);
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.missing, 1);
    EXPECT_EQ(list, (std::vector<std::string>{dir.file("a.mp3"), dir.file("b.mp3")}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0],
              "Some of the items from the playlist could not be added.  Verify the names of "
              "the files specified in the playlist and try again.");
}

TEST_F(TextPlayListRead, OnlyMissingFilesClearsAndAddsNothing) {
    const std::string file = dir.file("gone.snl");
    testing::writeText(file, "/missing/x.mp3\r\n");
    read(file);
    EXPECT_EQ(clears, 1);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(TextPlayListRead, EmptyOrMissingListChangesNothingAndSongsAreAddedSingly) {
    testing::writeText(dir.path() / "empty.m3u", "");
    read(dir.file("empty.m3u"));
    read(dir.file("absent.m3u"));
    EXPECT_EQ(clears, 0);
    EXPECT_EQ(list.size(), 1u);

    const auto report = read(dir.file("a.mp3"));
    EXPECT_FALSE(report.replaced);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(TextPlayListRead, SavedListReadsBack) {
    const std::string file = dir.file("Sonara.snl");
    std::vector<PlayListEntry> entries = {entry(dir.file("b.mp3"), EntryState::Unplayed),
                                          entry(dir.file("a.mp3"), EntryState::Unplayed)};
    ASSERT_TRUE(text_playlist::write(file, entries));
    read(file);
    EXPECT_EQ(list, (std::vector<std::string>{dir.file("b.mp3"), dir.file("a.mp3")}));
}

}  // namespace
}  // namespace sonara
