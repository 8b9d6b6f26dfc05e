#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"

namespace sonara::testing {
namespace {

TEST(CliPrefs, AnUnreadablePreferenceFileIsNamedAndTheDefaultsStandIn) {
    CliRunner cli;
    std::filesystem::create_directory(cli.home().file("Sonara.ini"));
    const CliRun run = cli.run({"prefs", "get", "FirstLetterCaps"});
    EXPECT_EQ(run.out, "1\n");
    EXPECT_NE(run.err.find("Sonara.ini"), std::string::npos) << run.err;
}

TEST(CliPrefs, GetSetListAndErrors) {
    CliRunner cli;
    CliRun run = cli.run({"prefs", "get", "firstlettercaps"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1\n");

    run = cli.run({"prefs", "set", "FirstLetterCaps", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string ini = readText(cli.home().file("Sonara.ini"));
    EXPECT_NE(ini.find("[Preferences]"), std::string::npos);
    EXPECT_NE(ini.find("FirstLetterCaps=0"), std::string::npos);
    EXPECT_NE(ini.find("ExePath=" + cli.home().path().string()), std::string::npos);
    EXPECT_EQ(cli.run({"prefs", "get", "FirstLetterCaps"}).out, "0\n");

    run = cli.run({"prefs", "list"});
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "CurrentSkin=Default");
    EXPECT_NE(run.out.find("\nUseID3v2Tags=1\n"), std::string::npos);

    EXPECT_EQ(cli.run({"prefs", "set", "FirstLetterCaps", "yes"}).exitCode, 2);
    EXPECT_EQ(cli.run({"prefs", "get", "NoSuchKey"}).exitCode, 2);
    EXPECT_EQ(cli.run({"prefs"}).exitCode, 2);
}

TEST(CliPrefs, NameFilteringChangesTheListAtOnce) {
    CliRunner cli;
    writeText(cli.files().path() / "my_band - a_song.mp3", "not audio");
    cli.run({"add", cli.files().file("my_band - a_song.mp3")});
    EXPECT_NE(cli.run({"list"}).out.find("\tMy Band\tA Song\t"), std::string::npos);
    cli.run({"prefs", "set", "ReplaceUnderscore", "0"});
    cli.run({"prefs", "set", "FirstLetterCaps", "0"});
    EXPECT_NE(cli.run({"list"}).out.find("\tmy_band\ta_song\t"), std::string::npos);
}

}  // namespace
}  // namespace sonara::testing
