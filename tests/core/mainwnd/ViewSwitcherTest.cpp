#include "core/mainwnd/ViewSwitcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/Preferences.h"

namespace sonara {
namespace {

const char* listsName(ViewLists lists) {
    return lists == ViewLists::Both ? "both" : "playlist";
}

// Records every call as one line, the saved "LastView" with the save.
class FakePort : public ViewPort {
  public:
    explicit FakePort(const Preferences& preferences) : preferences_(preferences) {}

    void setSeekBarEnabled(bool enabled) override {
        calls.push_back(enabled ? "seek on" : "seek off");
    }
    void saveWindowPlacement(std::string_view key) override {
        calls.push_back("save placement " + std::string(key));
    }
    void rememberColumnFractions(ViewLists lists) override {
        calls.push_back(std::string("remember ") + listsName(lists));
    }
    void reapplyColumnFractions(ViewLists lists) override {
        calls.push_back(std::string("reapply ") + listsName(lists));
    }
    void savePreferences() override {
        calls.push_back("save LastView " + std::to_string(preferences_.lastView));
    }
    void refreshFileDescription() override { calls.push_back("file description"); }
    bool isPlaying() const override { return playing; }
    void setDisplay(const ViewDisplay& display) override {
        calls.push_back("display " + std::to_string(display.timeFontSize));
        lastDisplay = display;
    }
    void relayout() override {
        calls.push_back("relayout");
        // The window system reports the program's own moves at once.
        if (reportsMoves) {
            reportsMoves->windowMoved();
            reportsMoves->windowResized();
        }
    }

    std::vector<std::string> calls;
    ViewSwitcher* reportsMoves = nullptr;
    bool playing = false;
    ViewDisplay lastDisplay;

  private:
    const Preferences& preferences_;
};

struct Switching : ::testing::Test {
    Preferences preferences;
    FakePort port{preferences};

    std::vector<std::string> switchFrom(ViewMode from, ViewMode to) {
        ViewSwitcher switcher(port, preferences, from);
        switcher.setView(to);
        return port.calls;
    }
};

using Calls = std::vector<std::string>;

TEST_F(Switching, AllSevenStepsInOrder) {
    EXPECT_EQ(switchFrom(ViewMode::Normal, ViewMode::Party),
              (Calls{"seek off", "save placement WindowPos", "remember both", "save LastView 1",
                     "file description", "display 9", "relayout", "reapply both"}));
}

TEST_F(Switching, OpeningShowsTheInitialViewAndSavesNothing) {
    ViewSwitcher switcher(port, preferences, ViewMode::Toolbar);
    switcher.showInitialView();
    EXPECT_EQ(port.calls, (Calls{"seek on", "display 12", "relayout"}));
    EXPECT_EQ(port.lastDisplay.idleTimeText, "00:00");
}

TEST_F(Switching, SameViewOnlySetsTheSeekBar) {
    EXPECT_EQ(switchFrom(ViewMode::Party, ViewMode::Party), (Calls{"seek off"}));
    port.calls.clear();
    EXPECT_EQ(switchFrom(ViewMode::Player, ViewMode::Player), (Calls{"seek on"}));
}

TEST_F(Switching, ColumnFractionsByTheViewsLists) {
    EXPECT_EQ(switchFrom(ViewMode::Playlist, ViewMode::Library),
              (Calls{"seek on", "save placement PlaylistMode", "remember playlist",
                     "save LastView 5", "file description", "display 9", "relayout"}));
    port.calls.clear();
    // Leaving a view without remembering still re-applies what was kept.
    EXPECT_EQ(switchFrom(ViewMode::LibraryAndPlaylist, ViewMode::Playlist),
              (Calls{"seek on", "save placement Library and Playlist View", "save LastView 3",
                     "file description", "display 9", "relayout", "reapply playlist"}));
}

TEST_F(Switching, NothingReappliedAfterThePlayerOrBarView) {
    EXPECT_EQ(switchFrom(ViewMode::Player, ViewMode::Normal),
              (Calls{"seek on", "save placement PlayerVisMode", "save LastView 0",
                     "file description", "display 9", "relayout"}));
    port.calls.clear();
    EXPECT_EQ(switchFrom(ViewMode::Toolbar, ViewMode::Playlist),
              (Calls{"seek on", "save placement PlayerVisMode", "save LastView 3",
                     "file description", "display 9", "relayout"}));
}

TEST_F(Switching, EnteringTheBarViewSavesNoPlacement) {
    EXPECT_EQ(switchFrom(ViewMode::Player, ViewMode::Toolbar),
              (Calls{"seek on", "save LastView 4", "file description", "display 12", "relayout"}));
    EXPECT_EQ(port.lastDisplay.idleTimeText, "00:00");
}

TEST_F(Switching, OwnerModeFromPartyAndBack) {
    ViewSwitcher switcher(port, preferences, ViewMode::Party);
    switcher.enterOwnerMode();
    EXPECT_TRUE(switcher.ownerMode());
    EXPECT_EQ(switcher.view(), ViewMode::Normal);
    EXPECT_EQ(switcher.placementKey(), "OwnerModeWindowPos");
    // The party's placement goes under its own key.
    EXPECT_EQ(port.calls,
              (Calls{"seek on", "save placement PartyModePos", "remember both", "save LastView 0",
                     "file description", "display 9", "relayout", "reapply both"}));

    port.calls.clear();
    switcher.setView(ViewMode::Party);
    EXPECT_FALSE(switcher.ownerMode());
    EXPECT_EQ(switcher.placementKey(), "PartyModePos");
    EXPECT_EQ(port.calls, (Calls{"seek off", "remember both", "save LastView 1", "file description",
                                 "display 9", "relayout", "reapply both"}));

    // Back in view 0 without the owner mode, its own placement is saved.
    switcher.setView(ViewMode::Normal);
    port.calls.clear();
    switcher.setView(ViewMode::Player);
    EXPECT_EQ(port.calls[1], "save placement WindowPos");
}

TEST_F(Switching, OwnerModeInViewZeroOnlyPlacesTheWindowAgain) {
    ViewSwitcher switcher(port, preferences, ViewMode::Normal);
    switcher.enterOwnerMode();
    switcher.enterOwnerMode();
    EXPECT_TRUE(switcher.ownerMode());
    EXPECT_EQ(port.calls, (Calls{"relayout"}));
}

TEST_F(Switching, IdleTimeTextOnlyWhileNothingPlays) {
    port.playing = true;
    switchFrom(ViewMode::Normal, ViewMode::Player);
    EXPECT_EQ(port.lastDisplay.timeFontSize, 14);
    EXPECT_EQ(port.lastDisplay.scrollingTitleFontSize, 11);
    EXPECT_FALSE(port.lastDisplay.idleTimeText);
}

TEST_F(Switching, UserMovesSaveUnderTheCurrentKeyProgramMovesDoNot) {
    ViewSwitcher switcher(port, preferences, ViewMode::Normal);
    port.reportsMoves = &switcher;
    switcher.windowResized();
    switcher.windowMoved();
    EXPECT_EQ(port.calls, (Calls{"remember both", "save placement WindowPos", "relayout",
                                 "reapply both", "save placement WindowPos"}));

    port.calls.clear();
    switcher.setView(ViewMode::Toolbar);
    switcher.enterOwnerMode();
    switcher.applyPlayerChoice(true);
    // Only the switch's own save: leaving the bar view.
    std::vector<std::string> saves;
    for (const std::string& call : port.calls) {
        if (call.rfind("save placement", 0) == 0) {
            saves.push_back(call);
        }
    }
    EXPECT_EQ(saves, (Calls{"save placement PlayerVisMode"}));
    {
        const ViewSwitcher::ProgramPlacing placing(switcher);
        switcher.windowMoved();
    }
    switcher.windowMoved();
    EXPECT_EQ(port.calls.back(), "save placement OwnerModeWindowPos");
}

TEST_F(Switching, PlayerChoiceMovesToTheTwinView) {
    ViewSwitcher switcher(port, preferences, ViewMode::Playlist);
    switcher.applyPlayerChoice(false);
    EXPECT_EQ(switcher.view(), ViewMode::LibraryAndPlaylist);
    EXPECT_EQ(preferences.lastView, 6);
    port.calls.clear();
    switcher.applyPlayerChoice(false);
    EXPECT_EQ(port.calls, (Calls{"relayout"}));
}

TEST(ViewDisplay, FontsAndIdleTextsPerView) {
    const ViewDisplay normal = displayForView(ViewMode::Normal, false);
    EXPECT_EQ(normal.timeFontFace, "arial");
    EXPECT_EQ(normal.timeFontSize, 9);
    EXPECT_FALSE(normal.scrollingTitleFontSize);
    EXPECT_EQ(normal.idleTimeText, " ");
    const ViewDisplay bar = displayForView(ViewMode::Toolbar, false);
    EXPECT_EQ(bar.timeFontSize, 12);
    EXPECT_FALSE(bar.scrollingTitleFontSize);
    EXPECT_EQ(bar.idleTimeText, "00:00");
    EXPECT_EQ(displayForView(ViewMode::Player, false).idleTimeText, "00:00");
    EXPECT_EQ(displayForView(ViewMode::TouchScreen, false).timeFontSize, 9);
}

}  // namespace
}  // namespace sonara
