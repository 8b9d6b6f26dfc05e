#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

class CliWizard : public ::testing::Test {
  protected:
    void song(const std::string& relative) {
        const fs::path path = cli.files().path() / relative;
        fs::create_directories(path.parent_path());
        writeMp3(path, songSpec(0.3));
    }

    CliRunner cli;
};

TEST_F(CliWizard, SearchPrintsTheReducedFoldersAndAddPutsTheirSongsInTheLibrary) {
    song("MP3/ROCK/a.mp3");
    song("MP3/JAZZ/b.mp3");
    song("RECYCLED/c.mp3");
    fs::create_directories(cli.files().path() / "docs");
    const std::string root = cli.files().path().string() + "/";

    CliRun run = cli.run({"wizard-search", cli.files().path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, root + "MP3/\n");
    EXPECT_NE(run.err.find("6 folders, 2 with music"), std::string::npos) << run.err;
    EXPECT_EQ(cli.run({"list"}).out, "");

    run = cli.run({"wizard-search", "--add", root});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, root + "MP3/\n2 files added\n");
    const std::string listed = cli.run({"list"}).out;
    EXPECT_NE(listed.find("a.mp3"), std::string::npos) << listed;
    EXPECT_NE(listed.find("b.mp3"), std::string::npos) << listed;
    EXPECT_EQ(listed.find("c.mp3"), std::string::npos) << listed;
}

TEST_F(CliWizard, RejectsAMissingFolderAndUnknownOptions) {
    EXPECT_EQ(cli.run({"wizard-search", cli.files().file("nowhere")}).exitCode, 1);
    EXPECT_EQ(cli.run({"wizard-search", "--bogus"}).exitCode, 2);
}

TEST_F(CliWizard, SonarasOwnFoldersAreNeverProposed) {
    song("MP3/a.mp3");
    const fs::path held = cli.home().path() / "Deleted MP3s";
    fs::create_directories(held);
    writeMp3(held / "gone.mp3", songSpec(0.3));
    const std::string root = cli.files().path().string() + "/";
    EXPECT_EQ(cli.run({"wizard-search", root, cli.home().path().string()}).out, root + "MP3/\n");
}

}  // namespace
}  // namespace sonara::testing
