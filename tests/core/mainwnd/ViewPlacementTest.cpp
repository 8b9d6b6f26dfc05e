#include "core/mainwnd/ViewPlacement.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

WindowPlacement stored(int left, int top, int right, int bottom, uint32_t show = 1) {
    WindowPlacement p;
    p.showCommand = show;
    p.minX = p.minY = -1;
    p.left = left;
    p.top = top;
    p.right = right;
    p.bottom = bottom;
    return p;
}

const std::vector<ScreenRect> kTwoScreens = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};

TEST(ViewPlacement, RestoreSetsTheFrameByTheShowState) {
    PlacementInputs in;
    in.stored = stored(100, 100, 800, 600);
    in.alwaysOnTop = true;
    WindowPlacementPlan plan = planWindowPlacement(ViewMode::Normal, in);
    EXPECT_EQ(plan.geometry, PlacementGeometry::RestorePlacement);
    EXPECT_EQ(plan.placement, in.stored);
    EXPECT_FALSE(plan.maximised);
    EXPECT_EQ(plan.frame, FrameChange::Add);
    EXPECT_TRUE(plan.alwaysOnTop);

    in.stored = stored(100, 100, 800, 600, 3);
    plan = planWindowPlacement(ViewMode::Library, in);
    EXPECT_TRUE(plan.maximised);
    EXPECT_EQ(plan.frame, FrameChange::Remove);

    // A minimised window comes up restored, or maximised when it was so.
    in.stored = stored(100, 100, 800, 600, 2);
    EXPECT_FALSE(planWindowPlacement(ViewMode::TouchScreen, in).maximised);
    in.stored->flags = 2;
    EXPECT_TRUE(planWindowPlacement(ViewMode::TouchScreen, in).maximised);
}

TEST(ViewPlacement, WithoutAStoredPlacementTheWindowStays) {
    PlacementInputs in;
    for (const ViewMode view : {ViewMode::Normal, ViewMode::Library, ViewMode::LibraryAndPlaylist,
                                ViewMode::TouchScreen}) {
        const WindowPlacementPlan plan = planWindowPlacement(view, in);
        EXPECT_EQ(plan.geometry, PlacementGeometry::KeepWhereItIs);
        EXPECT_EQ(plan.frame, FrameChange::Keep);
    }
    // The play-list view falls back on the default placement, framed.
    const WindowPlacementPlan playlist = planWindowPlacement(ViewMode::Playlist, in);
    EXPECT_EQ(playlist.geometry, PlacementGeometry::DefaultPlacement);
    EXPECT_EQ(playlist.frame, FrameChange::Add);
}

TEST(ViewPlacement, PartyAndOwnerModeFillTheWorkArea) {
    PlacementInputs in;
    in.stored = stored(100, 100, 800, 600);
    const WindowPlacementPlan party = planWindowPlacement(ViewMode::Party, in);
    EXPECT_EQ(party.geometry, PlacementGeometry::FillWorkArea);
    EXPECT_EQ(party.frame, FrameChange::Remove);
    EXPECT_TRUE(party.alwaysOnTop);

    in.ownerMode = true;
    const WindowPlacementPlan owner = planWindowPlacement(ViewMode::Normal, in);
    EXPECT_EQ(owner.geometry, PlacementGeometry::FillWorkArea);
    EXPECT_FALSE(owner.alwaysOnTop);
}

TEST(ViewPlacement, PlayerAndBarViewsTakeOnlyThePosition) {
    PlacementInputs in;
    in.stored = stored(300, 200, 1000, 900, 3);
    in.playerControlsWidth = 310;
    in.largeSpectrumHeight = 50;
    in.miniToolBar = {147, 16};

    WindowPlacementPlan player = planWindowPlacement(ViewMode::Player, in);
    EXPECT_EQ(player.geometry, PlacementGeometry::PositionWithFixedSize);
    EXPECT_EQ(player.size, (ScreenSize{310, 98}));
    EXPECT_EQ(player.frame, FrameChange::Remove);
    ASSERT_TRUE(player.placement);
    EXPECT_EQ(placementRect(*player.placement), (ScreenRect{300, 200, 610, 298}));
    EXPECT_EQ(placementShowState(*player.placement), WindowShowState::Normal);

    in.largeSpectrumShown = true;
    EXPECT_EQ(planWindowPlacement(ViewMode::Player, in).size, (ScreenSize{310, 148}));

    const WindowPlacementPlan bar = planWindowPlacement(ViewMode::Toolbar, in);
    EXPECT_EQ(bar.size, (ScreenSize{147, 16}));
    EXPECT_EQ(bar.frame, FrameChange::Remove);

    in.stored.reset();
    const WindowPlacementPlan unplaced = planWindowPlacement(ViewMode::Toolbar, in);
    EXPECT_EQ(unplaced.geometry, PlacementGeometry::PositionWithFixedSize);
    EXPECT_FALSE(unplaced.placement);
}

TEST(ViewPlacement, OffScreenPlacementComesBackToTheNearestScreen) {
    // On the second screen, which was unplugged: back onto the first, whole.
    const WindowPlacement lost = stored(2500, 100, 3300, 700);
    const std::vector<ScreenRect> one = {kTwoScreens[0]};
    EXPECT_EQ(placementRect(bringOntoScreens(lost, one)), (ScreenRect{1120, 100, 1920, 700}));
    EXPECT_EQ(bringOntoScreens(lost, kTwoScreens), lost);

    // Far above and left of both: nearest is the first; too big: shrunk.
    const WindowPlacement huge = stored(-5000, -5000, -2000, -3000);
    EXPECT_EQ(placementRect(bringOntoScreens(huge, kTwoScreens)), (ScreenRect{0, 0, 1920, 1080}));
    // Below the second screen only.
    const WindowPlacement below = stored(2500, 1500, 2700, 1600);
    EXPECT_EQ(placementRect(bringOntoScreens(below, kTwoScreens)),
              (ScreenRect{2500, 924, 2700, 1024}));

    // A sliver of a few pixels is not enough to grab; a 32-pixel corner is.
    EXPECT_NE(bringOntoScreens(stored(1910, 500, 2400, 900), one), stored(1910, 500, 2400, 900));
    EXPECT_EQ(bringOntoScreens(stored(1888, 1048, 2400, 1500), one),
              stored(1888, 1048, 2400, 1500));
    // A small window needs to show whole only when it is smaller than that.
    EXPECT_EQ(bringOntoScreens(stored(0, 0, 20, 20), one), stored(0, 0, 20, 20));

    EXPECT_EQ(bringOntoScreens(lost, {}), lost);
}

TEST(ViewPlacement, RestoredPlacementIsBroughtOntoTheScreens) {
    PlacementInputs in;
    in.screens = {kTwoScreens[0]};
    in.stored = stored(2500, 100, 3300, 700);
    EXPECT_EQ(placementRect(*planWindowPlacement(ViewMode::Library, in).placement),
              (ScreenRect{1120, 100, 1920, 700}));
    in.miniToolBar = {150, 16};
    EXPECT_EQ(placementRect(*planWindowPlacement(ViewMode::Toolbar, in).placement),
              (ScreenRect{1770, 100, 1920, 116}));
}

TEST(ViewPlacement, ScreenForWindowByOverlapThenDistance) {
    EXPECT_EQ(screenForWindow({1800, 0, 2400, 500}, kTwoScreens), 1u);
    EXPECT_EQ(screenForWindow({100, 100, 200, 200}, kTwoScreens), 0u);
    EXPECT_EQ(screenForWindow({3000, 2000, 3100, 2100}, kTwoScreens), 1u);
    EXPECT_FALSE(screenForWindow({0, 0, 10, 10}, {}));
}

TEST(ViewPlacement, PlacementTextRoundTrip) {
    const WindowPlacement p = makeWindowPlacement({10, 20, 810, 620}, WindowShowState::Maximised);
    const auto text = formatWindowPlacement(p);
    EXPECT_EQ(text, "0,3,(-1,-1),(10,20,810,620)");
    const auto back = parseWindowPlacement(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(placementShowState(*back), WindowShowState::Maximised);
    EXPECT_EQ(placementShowState(makeWindowPlacement({}, WindowShowState::Minimised)),
              WindowShowState::Minimised);
    EXPECT_EQ(placementShowState(makeWindowPlacement({}, WindowShowState::Normal)),
              WindowShowState::Normal);
    // Not eight numbers: ignored, the window keeps its placement.
    EXPECT_FALSE(parseWindowPlacement("0,1,(-1,-1),(10,20,810)"));
}

}  // namespace
}  // namespace sonara
