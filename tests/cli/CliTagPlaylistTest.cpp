#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

class CliFiles : public ::testing::Test {
  protected:
    std::string song(const std::string& name, std::vector<uint8_t> tail = {}) {
        Mp3Spec spec;
        spec.seconds = 2;
        spec.tail = std::move(tail);
        writeMp3(cli.files().path() / name, spec);
        return cli.files().file(name);
    }
    CliRunner cli;
};

TEST_F(CliFiles, TagSetThenShow) {
    const std::string file = song("plain.mp3");
    CliRun run = cli.run({"tag", "show", file, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\"hasTag\":false"), std::string::npos);

    const std::string longTitle(40, 'L');
    run = cli.run({"tag", "set", file, "--title", longTitle, "--artist", "Caf\xC3\xA9", "--year",
                   "1999", "--genre", "blues"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"tag", "show", file, "--json"});
    EXPECT_EQ(run.out, "{\"hasTag\":true,\"hasExtendedBlock\":true,\"title\":\"" + longTitle +
                           "\",\"artist\":\"Caf\xC3\xA9\",\"album\":\"\",\"year\":\"1999\","
                           "\"comment\":\"\",\"genre\":0,\"genreName\":\"Blues\"}\n");

    run = cli.run({"tag", "set", file, "--genre", "17"});
    EXPECT_EQ(run.exitCode, 0);
    run = cli.run({"tag", "show", file});
    EXPECT_NE(run.out.find("Genre: 17 Rock"), std::string::npos);
    EXPECT_NE(run.out.find("Title: " + longTitle), std::string::npos);
}

TEST_F(CliFiles, TagErrors) {
    const std::string file = song("x.mp3");
    EXPECT_EQ(cli.run({"tag", "set", file, "--genre", "Not A Genre"}).exitCode, 2);
    EXPECT_EQ(cli.run({"tag", "show"}).exitCode, 2);
    EXPECT_EQ(cli.run({"tag", "show", "/no/file.mp3"}).exitCode, 1);
    // Too short to hold a tag: the write fails with the program's message.
    writeBytes(cli.files().path() / "tiny.mp3", {1, 2, 3});
    const CliRun run = cli.run({"tag", "set", cli.files().file("tiny.mp3"), "--title", "T"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Unable to write tag info to file.  The file may be read-only or is "
                           "in use."),
              std::string::npos);
}

TEST_F(CliFiles, PlaylistLoadShowAndSave) {
    const std::string a = song("Artist - One.mp3");
    const std::string b = song("b_side.mp3");
    const std::string list = cli.files().file("party.m3u");
    writeText(list, a + "\r\n/missing/song.mp3\r\n" + b + "\r\n");

    CliRun run = cli.run({"playlist", "load", list});
    EXPECT_EQ(run.exitCode, 1);  // one path named no file
    EXPECT_EQ(run.out, "2 entries added\n");
    EXPECT_NE(run.err.find("Some of the items from the playlist could not be added."),
              std::string::npos);
    EXPECT_TRUE(fs::exists(cli.home().file("CurrPl.snl")));

    run = cli.run({"playlist", "show", "--json"});
    EXPECT_EQ(run.out, "[{\"path\":\"" + a +
                           "\",\"title\":\"One\",\"artist\":\"Artist\",\"reserved\":-1,"
                           "\"state\":0,\"length\":2},{\"path\":\"" +
                           b +
                           "\",\"title\":\"B Side\",\"artist\":\"Unknown\",\"reserved\":-1,"
                           "\"state\":0,\"length\":2}]\n");

    const std::string saved = cli.files().file("saved.snl");
    ASSERT_EQ(cli.run({"playlist", "save", saved}).exitCode, 0);
    EXPECT_EQ(readText(saved), a + "\r\n" + b + "\r\n");

    // A single song is added to the list without clearing it.
    run = cli.run({"playlist", "load", a});
    EXPECT_EQ(run.exitCode, 0);
    run = cli.run({"playlist", "show"});
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
}

}  // namespace
}  // namespace sonara::testing
