#include "core/mainwnd/ViewTable.h"

#include <gtest/gtest.h>

#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

TEST(ViewTable, NamesKeysAndMenuItemsPerView) {
    EXPECT_EQ(stringText(viewInfo(ViewMode::LibraryAndPlaylist).name), "Library and Playlist View");
    EXPECT_EQ(stringText(viewInfo(ViewMode::Toolbar).name), "Toolbar View");
    // The player and bar views share their placement.
    EXPECT_EQ(viewInfo(ViewMode::Player).placementKey, "PlayerVisMode");
    EXPECT_EQ(viewInfo(ViewMode::Toolbar).placementKey, "PlayerVisMode");
    EXPECT_EQ(placementKeyFor(ViewMode::Library, false), "Library View");
    EXPECT_EQ(placementKeyFor(ViewMode::Normal, true), "OwnerModeWindowPos");
    EXPECT_EQ(viewInfo(ViewMode::Library).menuCommand, Command::ViewNormal);
    EXPECT_EQ(viewInfo(ViewMode::LibraryAndPlaylist).menuCommand, Command::ViewPlayList);
    for (int n = 0; n < 8; ++n) {
        const ViewMode mode = static_cast<ViewMode>(n);
        EXPECT_EQ(viewInfo(mode).mode, mode);
        EXPECT_EQ(viewInfo(mode).followsSkinMinimumSize,
                  mode != ViewMode::Player && mode != ViewMode::Toolbar);
    }
}

TEST(ViewTable, StackingFollowsEachViewsOwnPreference) {
    Preferences p;
    p.playerOnTop = 1;
    EXPECT_TRUE(viewStaysOnTop(ViewMode::Player, p));
    EXPECT_FALSE(viewStaysOnTop(ViewMode::Toolbar, p));
    EXPECT_FALSE(viewStaysOnTop(ViewMode::Normal, p));
    EXPECT_TRUE(viewStaysOnTop(ViewMode::Party, p));
    p = Preferences{};
    p.normalOnTop = 1;
    p.playlistOnTop = 1;
    p.touchScreenOnTop = 1;
    p.barOnTop = 1;
    EXPECT_TRUE(viewStaysOnTop(ViewMode::Normal, p));
    EXPECT_TRUE(viewStaysOnTop(ViewMode::Playlist, p));
    EXPECT_TRUE(viewStaysOnTop(ViewMode::TouchScreen, p));
    EXPECT_TRUE(viewStaysOnTop(ViewMode::Toolbar, p));
    // The library views never stay on top, whatever the others say.
    EXPECT_FALSE(viewStaysOnTop(ViewMode::Library, p));
    EXPECT_FALSE(viewStaysOnTop(ViewMode::LibraryAndPlaylist, p));
    // "Set" means 1, as the dialogs store it.
    p.normalOnTop = 2;
    EXPECT_FALSE(viewStaysOnTop(ViewMode::Normal, p));
}

TEST(ViewTable, MenuCommandsChooseByPlayer) {
    using VC = ViewChoice;
    EXPECT_EQ(viewForMenuCommand(Command::ViewNormal, true), (VC{ViewMode::Normal, {}}));
    EXPECT_EQ(viewForMenuCommand(Command::ViewNormal, false), (VC{ViewMode::Library, {}}));
    EXPECT_EQ(viewForMenuCommand(Command::ViewPlayList, true), (VC{ViewMode::Playlist, {}}));
    EXPECT_EQ(viewForMenuCommand(Command::ViewPlayList, false),
              (VC{ViewMode::LibraryAndPlaylist, {}}));
    EXPECT_EQ(viewForMenuCommand(Command::ViewPlayer, false), (VC{ViewMode::Player, {}}));
    EXPECT_EQ(viewForMenuCommand(Command::ViewBar, true), (VC{ViewMode::Toolbar, {}}));
    EXPECT_EQ(viewForMenuCommand(Command::ViewTouchScreen, true), (VC{ViewMode::TouchScreen, {}}));
    const auto party = viewForMenuCommand(Command::ViewParty, true);
    ASSERT_TRUE(party);
    EXPECT_EQ(party->view, ViewMode::Party);
    ASSERT_TRUE(party->noteFirst);
    EXPECT_EQ(stringText(*party->noteFirst), "Note: hit CTRL+N to switch out of Party View");
    EXPECT_FALSE(viewForMenuCommand(Command::Exit, true));
}

TEST(ViewTable, PlayerChoiceMapsTheTwinViews) {
    EXPECT_EQ(viewForPlayerChoice(ViewMode::Normal, false), ViewMode::Library);
    EXPECT_EQ(viewForPlayerChoice(ViewMode::Playlist, false), ViewMode::LibraryAndPlaylist);
    EXPECT_EQ(viewForPlayerChoice(ViewMode::Library, true), ViewMode::Normal);
    EXPECT_EQ(viewForPlayerChoice(ViewMode::LibraryAndPlaylist, true), ViewMode::Playlist);
    EXPECT_EQ(viewForPlayerChoice(ViewMode::Library, false), ViewMode::Library);
    EXPECT_EQ(viewForPlayerChoice(ViewMode::Player, false), ViewMode::Player);
    EXPECT_EQ(viewForPlayerChoice(ViewMode::Party, true), ViewMode::Party);
}

TEST(ViewTable, StartupViewFromTheStoredLastView) {
    testing::TempDir dir;
    IniFile file;
    ASSERT_TRUE(file.set("Preferences", "LastView", "7"));
    PreferenceStore store(dir.file("Sonara.ini"), dir.path().string());
    store.loadFrom(file);
    EXPECT_EQ(startupView(store.values()), ViewMode::Normal);

    Preferences p = store.values();
    p.useAsDefaultPlayer = 1;
    p.lastView = 3;
    EXPECT_EQ(startupView(p), ViewMode::Playlist);
    p.lastView = 99;
    EXPECT_EQ(startupView(p), ViewMode::Normal);
    p.lastView = 7;  // set in memory, not through the store
    EXPECT_EQ(startupView(p), ViewMode::Normal);
    p.useAsDefaultPlayer = 0;
    p.lastView = 3;
    EXPECT_EQ(startupView(p), ViewMode::LibraryAndPlaylist);
    p.lastView = 2;
    EXPECT_EQ(startupView(p), ViewMode::Player);
}

}  // namespace
}  // namespace sonara
