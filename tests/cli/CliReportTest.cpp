#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

class CliReport : public ::testing::Test {
  protected:
    void SetUp() override {
        music = cli.files().path() / "music";
        fs::create_directories(music);
        writeMp3(music / "Band - First.mp3", songSpec(0.1));
        writeMp3(music / "Band - Second.mp3", songSpec(0.1));
        ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);
    }

    CliRunner cli;
    fs::path music;
};

TEST_F(CliReport, WritesTheReportAndRemembersTheChoices) {
    const std::string out = cli.files().file("report.txt");
    CliRun run = cli.run({"report", "--columns", "2", "--delim", "tab", "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readText(out), "Band - First\tBand - Second\r\n");
    EXPECT_EQ(cli.run({"prefs", "get", "NumColumns"}).out, "1\n");
    EXPECT_EQ(cli.run({"prefs", "get", "ExportFN"}).out, out + "\n");

    // The stored choices hold for the next run.
    run = cli.run({"report", "--using", "path"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readText(out), (music / "Band - First.mp3").string() + "\t" +
                                 (music / "Band - Second.mp3").string() + "\r\n");
}

TEST_F(CliReport, ProposesAnExportNameInTheDataFolder) {
    writeText(cli.home().path() / "export(0).txt", "old");
    const CliRun run = cli.run({"report"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readText(cli.home().path() / "export(0).txt"), "old");
    EXPECT_EQ(readText(cli.home().path() / "export(1).txt"), "Band - First\r\nBand - Second\r\n");
}

TEST_F(CliReport, AnUnwritableDestinationIsNotReportedAsGenerated) {
    const std::string out = cli.files().file("no/such/folder/report.txt");
    const CliRun run = cli.run({"report", "--out", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.find("Report successfully generated."), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(cli.run({"report", "--columns", "4"}).exitCode, 2);
    EXPECT_EQ(cli.run({"report", "--out", ""}).exitCode, 1);
}

TEST_F(CliReport, NamesTheFileAndKeepsOnlyADestinationThatWasWritten) {
    for (const std::string& bad :
         {cli.files().file("no/such/folder/report.txt"), cli.files().path().string()}) {
        const CliRun run = cli.run({"report", "--out", bad});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(cli.run({"prefs", "get", "ExportFN"}).out, "\n") << bad;
    }
    EXPECT_NE(cli.run({"report", "--out", cli.files().path().string()}).err.find("is a folder"),
              std::string::npos);

    // A relative name is kept absolute and works from another folder.
    CliRun run = cli.run({"report", "--out", "mine.txt"}, "", cli.files().path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string mine = cli.files().file("mine.txt");
    EXPECT_EQ(run.out, "Report written to " + mine + "\n");
    run = cli.run({"report", "--using", "path"}, "", "/");
    EXPECT_EQ(run.out, "Report written to " + mine + "\n") << run.err;
}

TEST_F(CliReport, DashWritesToStandardOutput) {
    const CliRun run = cli.run({"report", "--out", "-", "--delim", "space", "--columns", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Band - First Band - Second\r\n");
    EXPECT_EQ(cli.run({"prefs", "get", "ExportFN"}).out, "\n");
    EXPECT_FALSE(fs::exists(cli.files().path() / "-"));
}

}  // namespace
}  // namespace sonara::testing
