#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/StringTable.h"
#include "core/shell/LaunchCommand.h"
#include "core/shell/OutsidePlayer.h"
#include "core/shell/ShellFixture.h"
#include "support/ScriptedPrompter.h"

namespace sonara {
namespace {

class RecordingLauncher final : public ProcessLauncher {
  public:
    Status startDetached(const std::vector<std::string>& argv) override {
        started.push_back(argv);
        return fails ? Status::failure("cannot start") : Status::success();
    }
    std::vector<std::vector<std::string>> started;
    bool fails = false;
};

class OutsidePlayerTest : public ::testing::Test {
  protected:
    void setDefaults(const std::string& mp3, const std::string& m3u = "") {
        std::string text = "[Default Applications]\naudio/mpeg=" + mp3 + ";\n";
        if (!m3u.empty()) {
            text += "audio/x-mpegurl=" + m3u + ";\n";
        }
        desk.writeUserList(text);
    }
    std::string song() {
        const std::string path = desk.root.file("song one.mp3");
        testing::writeText(path, "x");
        return path;
    }

    testing::ShellFixture desk;
    testing::ScriptedPrompter prompter;
    RecordingLauncher launcher;
    Associations associations{desk.paths};
    OutsidePlayer player{associations, prompter, launcher};
};

TEST_F(OutsidePlayerTest, EnqueueWithAPlayerThatCannotEnqueueSwitchesToPlay) {
    setDefaults("mpv.desktop");
    EXPECT_EQ(player.supportedAction(2), 1);
    EXPECT_EQ(player.supportedAction(7), 1);  // out of range reads as Open, which mpv lacks
    const std::string path = song();
    EXPECT_TRUE(player.openFile(path, 2));
    EXPECT_EQ(launcher.started, (std::vector<std::vector<std::string>>{{"mpv", path}}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OutsidePlayerTest, NoHandOffWhileSonaraIsThePlayerOrThereIsNone) {
    EXPECT_FALSE(player.openFile(song(), 1));
    setDefaults("sonara.desktop");
    EXPECT_FALSE(player.openFile(song(), 1));
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{stringText(TextId::DefaultPlayerUnknown),
                                        stringText(TextId::AlreadyDefaultPlayer)}));
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(OutsidePlayerTest, APlayerOutsideTheTableIsOpenedWithItsOwnCommandOrReportedOnce) {
    setDefaults("unknown.desktop");
    EXPECT_FALSE(player.openFile(song(), 1));
    EXPECT_FALSE(player.openFile(song(), 1));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::UnsupportedPlayer)});
    EXPECT_EQ(player.currentPlayerName(), "");

    desk.installEntry("unknown.desktop", "Exec=\"/opt/Foo/FOO.exe\" --open %U\n");
    EXPECT_EQ(player.currentPlayerName(), "FOO");
    EXPECT_FALSE(player.isCurrentPlayerKnown());
    const std::string path = song();
    EXPECT_TRUE(player.openFile(path, 1));
    EXPECT_EQ(launcher.started.back(),
              (std::vector<std::string>{"/opt/Foo/FOO.exe", "--open", fileUri(path)}));
}

TEST_F(OutsidePlayerTest, AFileGoneOrAPlayerThatWillNotStartIsReported) {
    setDefaults("audacious.desktop");
    EXPECT_FALSE(player.openFile(desk.root.file("gone.mp3"), 2));
    EXPECT_TRUE(launcher.started.empty());
    launcher.fails = true;
    EXPECT_FALSE(player.openFile(song(), 2));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>(2, stringText(TextId::OutsidePlayerOpenFailed)));
}

TEST_F(OutsidePlayerTest, PlayListsAndTheMenuLabels) {
    setDefaults("audacious.desktop", "audacious.desktop");
    // A read-only table is still read, and reported once per menu.
    (void)player.currentPlayerName();  // the first use writes the table
    std::filesystem::permissions(desk.paths.playerTable(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const ExternalPlayerLabels labels = player.menuLabels(2);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::PlayerInfoReadOnly)});
    prompter.messages.clear();
    EXPECT_EQ(labels.name, "Audacious");
    EXPECT_EQ(labels.actionText, "Enque");
    EXPECT_TRUE(labels.canSetPlayList);
    EXPECT_TRUE(labels.canAppendPlayList);

    const std::string list = desk.root.file("list.m3u");
    testing::writeText(list, "#EXTM3U\n");
    EXPECT_TRUE(player.openPlayList(list, PlayerAppendListVerb));
    EXPECT_EQ(launcher.started.back(), (std::vector<std::string>{"audacious", "-e", list}));

    // The current play list goes over as the temporary list, written anew.
    const std::string temporary = desk.paths.dataFolder + "/Sonara Temporary Playlist File.M3U";
    testing::writeText(temporary, "/old.mp3\r\n");
    PlayListEntry first;
    first.path = "/music/a.mp3";
    PlayListEntry second;
    second.path = "/music/b c.mp3";
    EXPECT_TRUE(player.handPlayList({first, second}, false));
    EXPECT_EQ(launcher.started.back(), (std::vector<std::string>{"audacious", "-E", temporary}));
    EXPECT_EQ(testing::readText(temporary), "/music/a.mp3\r\n/music/b c.mp3\r\n");

    // Rhythmbox takes no play lists; Sonara took MP3 files from it, so the
    // preferences name it.
    setDefaults("org.gnome.Rhythmbox3.desktop");
    EXPECT_FALSE(player.menuLabels(1).canAppendPlayList);
    ASSERT_TRUE(associations.registerTypes(false));
    EXPECT_EQ(player.savedPlayerName(), "Rhythmbox");
    EXPECT_TRUE(player.verbAvailable(PlayerEnqueueVerb));
}

}  // namespace
}  // namespace sonara
