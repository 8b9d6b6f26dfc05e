#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/mainwnd/PlayListCommands.h"
#include "support/PlayListFixture.h"

namespace sonara::testing {
namespace {

using Selection = PlayListSelection;

class FakeChooser final : public PlayListFileChooser {
  public:
    std::optional<std::string> fileToOpen() override { return openName; }
    std::optional<std::string> fileToSave(const std::string& proposed) override {
        offered = proposed;
        return saveName;
    }
    std::optional<std::string> openName;
    std::optional<std::string> saveName;
    std::string offered;
};

class PlayListCommandsTest : public PlayListFixture {
  protected:
    PlayListCommandsTest() : commands(sequence, adder, prompter, chooser) {}

    std::vector<std::string> titles() const {
        std::vector<std::string> all;
        for (const PlayListEntry& entry : list.entries()) {
            all.push_back(entry.path.substr(entry.path.rfind('/') + 1));
        }
        return all;
    }

    FakeChooser chooser;
    PlayListCommands commands;
};

TEST_F(PlayListCommandsTest, RemovingSelectsTheRowThatTookTheFirstRemovedPlace) {
    queue({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    list.makeCurrent(1);
    ASSERT_TRUE(sequence.playCurrent());

    EXPECT_EQ(commands.run(Command::RemoveFromPlayListButton, {2, 1}), Selection::select(1));
    EXPECT_EQ(titles(), (std::vector<std::string>{"a.mp3", "d.mp3"}));
    EXPECT_FALSE(player.playing);  // the playing entry went with them
    EXPECT_FALSE(list.hasCurrent());

    // Past the new end: the last row; nothing left: nothing selected.
    EXPECT_EQ(commands.remove({1}), Selection::select(0));
    EXPECT_EQ(commands.remove({0}), Selection::nothing());
    EXPECT_EQ(commands.remove({}), Selection::keep());
}

TEST_F(PlayListCommandsTest, AFailedSaveIsToldAndCancelledDialogsChangeNothing) {
    queue({"a.mp3", "b.mp3"});
    chooser.saveName = path("no such folder/x.snl");
    commands.run(Command::FileSave, {});
    EXPECT_EQ(chooser.offered, "Sonara.snl");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("no such folder/x.snl"), std::string::npos);

    chooser.saveName.reset();
    commands.openFile();
    commands.saveFile();
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(PlayListCommandsTest, PopUpCommandsSayWhatToSelect) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    EXPECT_EQ(commands.run(Command::Shuffle, {2}), Selection::select(0));
    EXPECT_EQ(titles()[0], "a.mp3");  // the playing song heads the new order

    EXPECT_EQ(commands.run(Command::ResetAllPlayedStatus, {}), Selection::select(0));
    EXPECT_EQ(states(), (std::vector<EntryState>(3, EntryState::Unplayed)));
    EXPECT_EQ(commands.run(Command::PlayButton, {1}), std::nullopt);
}

}  // namespace
}  // namespace sonara::testing
