#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

TEST(CliRename, ListsThenAppliesOnlyWithApply) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTaggedSong(music / "one.mp3", "Artist", "Song");
    writeTaggedSong(music / "two.mp3", "Artist", "");
    const std::string folder = music.string() + "/";

    CliRun run = cli.run({"rename", music.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1\tyes\tArtist - Song.MP3\tone.mp3\t" + folder +
                           "\n0\tyes\tArtist - .MP3\ttwo.mp3\t" + folder + "\n");
    EXPECT_TRUE(fs::exists(music / "one.mp3"));

    run = cli.run({"--yes", "rename", music.string(), "--apply"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(music / "Artist - Song.MP3"));
    EXPECT_TRUE(fs::exists(music / "two.mp3"));

    EXPECT_EQ(cli.run({"rename"}).exitCode, 2);
    EXPECT_EQ(cli.run({"rename", "--sources", music.string()}).exitCode, 2);
}

TEST(CliRename, TheLibraryRecordFollowsARenamedFile) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTaggedSong(music / "one.mp3", "Artist", "Song");
    writeTaggedSong(music / "elsewhere" / "Other - Taken.MP3", "X", "Y");
    writeTaggedSong(music / "two.mp3", "Other", "Taken");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);

    CliRun run = cli.run({"--yes", "rename", music.string(), "--apply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(fs::exists(music / "Artist - Song.MP3"));
    ASSERT_TRUE(fs::exists(music / "Other - Taken.MP3"));

    // The renamed song keeps its record; the one whose new name another
    // record already has keeps its old record rather than merging with it.
    run = cli.run({"list"});
    EXPECT_NE(run.out.find("Artist - Song.MP3\t"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("one.mp3\t"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("two.mp3\t"), std::string::npos) << run.out;
    EXPECT_EQ(cli.run({"locate", "Artist - Song.MP3"}).out,
              (music / "Artist - Song.MP3").string() + "\n");
}

TEST(CliRename, ASlashInATagFailsWithoutMovingTheFile) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTaggedSong(music / "a.mp3", "AC/DC", "Thunder");
    const CliRun run = cli.run({"--yes", "rename", music.string(), "--apply"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Unable to rename file - illegal characters in filename?") +
                  run.out.find("Unable to rename file - illegal characters in filename?"),
              2 * std::string::npos);
    EXPECT_TRUE(fs::exists(music / "a.mp3"));
}

TEST(CliRename, ARelativeFolderIsMadeAbsoluteSoTheRecordsFollow) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTaggedSong(music / "one.mp3", "Artist", "Song");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);
    const fs::path before = fs::current_path();
    fs::current_path(cli.files().path());
    const CliRun run = cli.run({"--yes", "rename", "music", "--apply"});
    fs::current_path(before);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\t" + music.string() + "/\n"), std::string::npos) << run.out;
    EXPECT_NE(cli.run({"list"}).out.find("Artist - Song.MP3\t"), std::string::npos);
}

}  // namespace
}  // namespace sonara::testing
