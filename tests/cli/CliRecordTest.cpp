#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

void writeTagged(const fs::path& file, const std::string& artist, const std::string& title) {
    writeTaggedSong(file, artist, title, "Disc", "2001");
}

TEST(CliRecord, SetSavesTheRecordAndRenameFollowsOnDisk) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTagged(music / "one.mp3", "Band", "Song");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);

    CliRun run = cli.run({"record", "show", "one.mp3", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"tagAlbum\":\"Disc\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"mediaName\":\"n/a\""), std::string::npos) << run.out;

    run = cli.run({"record", "set", "one.mp3", "--artist", "New", "--title", "Name", "--genre",
                   "Jazz", "--rename-file"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(music / "New - Name.mp3"));
    EXPECT_FALSE(fs::exists(music / "one.mp3"));

    run = cli.run({"record", "show", "New - Name.mp3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Genre: Jazz\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Path: " + (music / "New - Name.mp3").string()), std::string::npos);
    EXPECT_EQ(cli.run({"record", "show", "one.mp3"}).exitCode, 1);
    EXPECT_EQ(cli.run({"record", "show"}).exitCode, 2);
}

TEST(CliRecord, RenameOntoExistingNameKeepsBothFiles) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTagged(music / "one.mp3", "Band", "Song");
    ASSERT_EQ(cli.run({"add", (music / "one.mp3").string()}).exitCode, 0);
    writeTagged(music / "X - Y.mp3", "Other", "File");
    const auto other = readBytes(music / "X - Y.mp3");

    const CliRun run =
        cli.run({"record", "set", "one.mp3", "--artist", "X", "--title", "Y", "--rename-file"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE((run.out + run.err).find("This filename already exists"), std::string::npos);
    EXPECT_TRUE(fs::exists(music / "one.mp3"));
    EXPECT_EQ(readBytes(music / "X - Y.mp3"), other);
    EXPECT_EQ(cli.run({"record", "show", "one.mp3"}).exitCode, 0);
}

TEST(CliRecord, CopyButtonsMoveTheFourFieldsEitherWay) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTagged(music / "one.mp3", "Band", "Song");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);

    CliRun run = cli.run({"record", "set", "one.mp3", "--title", "Library Title", "--genre", "Jazz",
                          "--copy-to-tag"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"tag", "show", (music / "one.mp3").string(), "--json"});
    EXPECT_NE(run.out.find("\"title\":\"Library Title\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"genreName\":\"Jazz\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"album\":\"Disc\""), std::string::npos) << run.out;

    ASSERT_EQ(
        cli.run({"tag", "set", (music / "one.mp3").string(), "--artist", "Tag Artist"}).exitCode,
        0);
    run = cli.run({"record", "set", "one.mp3", "--copy-to-library", "--comment", "mine"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"record", "show", "one.mp3"});
    EXPECT_NE(run.out.find("Artist: Tag Artist\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Comment: mine\n"), std::string::npos) << run.out;

    EXPECT_EQ(cli.run({"record", "set", "one.mp3", "--copy-to-tag", "--copy-to-library"}).exitCode,
              2);
}

TEST(CliRecord, SetSaysWhenTheTagsValueIsWhatTheListShows) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTagged(music / "one.mp3", "Band", "Song");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);

    CliRun run = cli.run({"record", "set", "one.mp3", "--title", "Mine"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("\"Band - Song\": the tag's values win"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--copy-to-tag writes the record's values into the tag."),
              std::string::npos);
    run = cli.run({"record", "set", "one.mp3", "--title", "Mine", "--copy-to-tag"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("values win"), std::string::npos) << run.err;
    run = cli.run({"record", "set", "one.mp3", "--comment", "just a comment"});
    EXPECT_EQ(run.err.find("values win"), std::string::npos) << run.err;
}

// "Кино" in ID3v1 would be stored as "????": refused, with the field and the
// characters named, and the file left as it was.
TEST(CliRecord, TagTextsTheTagCannotHoldAreRefused) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTagged(music / "one.mp3", "Band", "Song");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);
    const auto before = readBytes(music / "one.mp3");

    CliRun run = cli.run({"tag", "set", (music / "one.mp3").string(), "--artist", "Кино"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("The artist holds characters that an ID3v1 tag cannot store (К, и, "
                           "н, о)"),
              std::string::npos)
        << run.err;
    run = cli.run({"record", "set", "one.mp3", "--title", "Группа", "--copy-to-tag"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE((run.out + run.err).find("The title holds characters"), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(music / "one.mp3"), before);
    run = cli.run({"record", "show", "one.mp3"});
    EXPECT_NE(run.out.find("Tag title: Song\n"), std::string::npos) << run.out;
}

TEST(CliGenre, AssignWritesRecordsAndTags) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    writeTagged(music / "a.mp3", "A", "One");
    writeTagged(music / "b.mp3", "B", "Two");
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);

    CliRun run = cli.run({"genre", "assign", "blues", "a.mp3", "b.mp3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"tag", "show", (music / "b.mp3").string(), "--json"});
    EXPECT_NE(run.out.find("\"genreName\":\"Blues\""), std::string::npos) << run.out;
    run = cli.run({"record", "show", "a.mp3"});
    EXPECT_NE(run.out.find("Genre: Blues\n"), std::string::npos) << run.out;

    // The genre table's numbers are taken too.
    ASSERT_EQ(cli.run({"genre", "assign", "8", "a.mp3"}).exitCode, 0);
    EXPECT_NE(cli.run({"record", "show", "a.mp3"}).out.find("Genre: Jazz\n"), std::string::npos);
    EXPECT_EQ(cli.run({"genre", "assign", "Nonsense", "a.mp3"}).exitCode, 1);
    EXPECT_EQ(cli.run({"genre", "assign", "Blues", "missing.mp3"}).exitCode, 1);
    EXPECT_EQ(cli.run({"genre", "assign"}).exitCode, 2);
}

}  // namespace
}  // namespace sonara::testing
