#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/StringTable.h"
#include "core/shell/DesktopEntry.h"
#include "core/shell/LaunchCommand.h"
#include "core/shell/PlayerTable.h"
#include "core/shell/ShellFixture.h"
#include "support/ScriptedPrompter.h"

namespace sonara {
namespace {

using Argv = std::vector<std::string>;

TEST(PlayerTable, RowsFollowTheFileRules) {
    const PlayerTable table = PlayerTable::parse(
        "[Other]\nPlayer1=Not,a.desktop\n"
        "[players]\n"
        "; a comment\n"
        "First=Foo,foo.desktop,,NA,foo -e %f,foo.desktop\r\n"
        "x=Bar, bar.desktop,a=b,c\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.field(0, PlayerName), "Foo");
    EXPECT_FALSE(table.hasVerb(0, PlayerOpenVerb));  // empty
    EXPECT_FALSE(table.hasVerb(0, PlayerPlayVerb));  // "na" in any case
    EXPECT_TRUE(table.hasVerb(0, PlayerEnqueueVerb));
    EXPECT_EQ(table.field(0, PlayerAppendListVerb), "");  // missing
    EXPECT_EQ(table.field(5, PlayerName), "");
    // Fields are not trimmed; only the first "=" ends the key.
    EXPECT_EQ(table.field(1, PlayerMp3Type), " bar.desktop");
    EXPECT_EQ(table.field(1, PlayerOpenVerb), "a=b");
    EXPECT_EQ(table.findByMp3Type("foo.desktop"), 0u);
    EXPECT_EQ(table.findByM3uType("foo.desktop"), 0u);
    EXPECT_FALSE(table.findByMp3Type("bar.desktop").has_value());
}

TEST(PlayerTable, AMissingFileBringsTheDefaultRowsBackAndAReadOnlyOneIsReported) {
    testing::ShellFixture desk;
    testing::ScriptedPrompter prompter;
    const std::string path = desk.paths.playerTable();

    const PlayerTable table = loadPlayerTable(path, prompter);
    EXPECT_EQ(table.size(), 5u);
    EXPECT_EQ(testing::readText(path), defaultPlayerTableText());
    EXPECT_TRUE(prompter.messages.empty());

    testing::writeText(path, "[Players]\nP=Mine,mine.desktop\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(loadPlayerTable(path, prompter).field(0, PlayerName), "Mine");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::PlayerInfoReadOnly)});
}

TEST(LaunchCommand, EveryDefaultVerbGivesThePathAsOneArgument) {
    const std::string path = "/music/My \"Best\" $HOME;rm -rf.mp3";
    const PlayerTable table = PlayerTable::parse(defaultPlayerTableText());
    std::vector<Argv> built;
    for (size_t row = 0; row < table.size(); ++row) {
        for (size_t position = PlayerOpenVerb; position <= PlayerAppendListVerb; ++position) {
            if (position != PlayerM3uType && table.hasVerb(row, position)) {
                const auto argv = buildLaunchCommand(table.field(row, position), path);
                ASSERT_TRUE(argv) << table.field(row, position);
                built.push_back(*argv);
            }
        }
    }
    const std::string uri = "file:///music/My%20%22Best%22%20%24HOME%3Brm%20-rf.mp3";
    EXPECT_EQ(built, (std::vector<Argv>{
                         {"audacious", "-E", path},
                         {"audacious", "-e", path},
                         {"audacious", "-E", path},
                         {"audacious", "-e", path},
                         {"rhythmbox-client", path},
                         {"rhythmbox-client", "--play-uri=" + uri},
                         {"rhythmbox-client", "--enqueue", path},
                         {"qmmp", path},
                         {"qmmp", "-e", path},
                         {"qmmp", path},
                         {"qmmp", "-e", path},
                         {"mpv", path},
                         {"mpv", path},
                         {"vlc", path},
                     }));
}

TEST(LaunchCommand, QuotesEscapesAndFieldCodes) {
    EXPECT_EQ(buildLaunchCommand(R"("/opt/My Player/play" --title "100%" "a \"b\"" %i %U)", "/x"),
              (Argv{"/opt/My Player/play", "--title", "100%", "a \"b\"", "file:///x"}));
    EXPECT_EQ(buildLaunchCommand("player --add", "/x"), (Argv{"player", "--add", "/x"}));
    EXPECT_EQ(buildLaunchCommand("player 100%%", "/x"), (Argv{"player", "100%", "/x"}));
    EXPECT_FALSE(buildLaunchCommand("\"player --add", "/x"));
    EXPECT_FALSE(buildLaunchCommand("  %f", "/x"));
}

TEST(DesktopEntry, TheProgramNameRuleAndTheEntryLookUp) {
    EXPECT_EQ(programNameOf(R"("/opt/Program Files/Foo/FOO.exe" "%f")"), "FOO");
    EXPECT_EQ(programNameOf("audacious %U"), "AUDACIOUS");
    EXPECT_EQ(programNameOf("wine /games/Player.Exe.bak"), "WINE");

    testing::ShellFixture desk;
    desk.write(desk.paths.dataDirs.front() + "/applications/kde/foo.desktop",
               "[Desktop Action x]\nName=Wrong\n[Desktop Entry]\nName=Foo\\sPlayer\n"
               "Name[de]=Spieler\nExec=foo %f\n");
    const auto entry = findDesktopEntry(desk.paths, "kde-foo.desktop");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "Foo Player");
    EXPECT_EQ(entry->exec, "foo %f");
    EXPECT_FALSE(findDesktopEntry(desk.paths, "../kde/foo.desktop"));
}

}  // namespace
}  // namespace sonara
