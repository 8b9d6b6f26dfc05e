#include <gtest/gtest.h>

#include "LayoutFakeTarget.h"
#include "core/mainwnd/LayoutEngine.h"

// Each view's table applied to the template as a whole. The template's
// client is 708 x 491 pixels; "big" is 300 wider and 200 taller. Places in
// the comments are the template's pixel rectangles (x, y, width x height).
namespace sonara {
namespace {

using enum ControlId;

constexpr Rect kInitialClient{0, 0, 708, 491};
constexpr Rect kBigClient{0, 0, 1008, 691};

class LayoutViewsTest : public ::testing::Test {
  protected:
    LayoutViewsTest() { engine.rebuild(kInitialClient); }

    void apply(ViewMode view, const Rect& client, bool smallSpectrum = false) {
        engine.applyView(view, smallSpectrum, client);
    }

    testing::LayoutFakeTarget target;
    LayoutEngine engine{target};
};

TEST_F(LayoutViewsTest, EveryTableGivesTheSamePlacesWhenAppliedTwice) {
    for (LayoutTableId id : kAllLayoutTables) {
        for (const Rect& client : {kInitialClient, kBigClient}) {
            engine.setWorkSpacePercent(40);
            engine.apply(engine.table(id), client);
            const auto once = target.rects;
            engine.apply(engine.table(id), client);
            EXPECT_EQ(target.rects, once) << "table " << static_cast<int>(id);
        }
    }
}

TEST_F(LayoutViewsTest, NormalViewAtTheInitialSize) {
    apply(ViewMode::Normal, kInitialClient);
    // The lists' shares reproduce their template places exactly.
    EXPECT_EQ(target[LibraryList], (Rect{17, 141, 318, 312}));
    EXPECT_EQ(target[PlayList], (Rect{374, 179, 318, 248}));
    // The seek bar centres on the play list: 374 + 318/2 - 306/2 = 380, three
    // left of its template place; the player controls keep their offsets.
    EXPECT_EQ(target[SeekBar], (Rect{380, 88, 306, 13}));
    EXPECT_EQ(target[PreviousButton], (Rect{405, 102, 27, 23}));
    EXPECT_EQ(target[PlayButton].left, 432);
    // Tall meters: 8 from the side, from under the library label to 8 above the bottom.
    EXPECT_EQ(target[TallLevelLeft], Rect::fromEdges(8, target[LibraryLabel].bottom(), 17, 483));
    EXPECT_EQ(target[TallLevelRight], Rect::fromEdges(691, 57, 700, 483));
    EXPECT_EQ(target[MiniToolbar], (Rect{553, 3, 147, 17}));
    EXPECT_EQ(target[MenuButton], (Rect{8, 8, 27, 22}));
}

TEST_F(LayoutViewsTest, NormalViewGrown) {
    apply(ViewMode::Normal, kBigClient);
    // Library list: left and top fixed, width 1008*318/708 = 452.7, bottom 453 + 200.
    EXPECT_EQ(target[LibraryList], Rect::fromEdges(17, 141, 470, 653));
    // Play list: left 1008*374/708 = 532.5 -> 532, top fixed, bottom 427 + 200.
    EXPECT_EQ(target[PlayList], Rect::fromEdges(532, 179, 985, 627));
    // Seek bar 532 + 226 - 153; Previous 25 right and 14 below it; Play after it.
    EXPECT_EQ(target[SeekBar], (Rect{605, 88, 306, 13}));
    EXPECT_EQ(target[PreviousButton], (Rect{630, 102, 27, 23}));
    EXPECT_EQ(target[PlayButton], (Rect{657, 102, 27, 23}));
    // Totals frame: left 1008*503/708 = 716.1, top 411 + 200; its values follow.
    EXPECT_EQ(target[TotalsFrame], (Rect{716, 611, 180, 73}));
    EXPECT_EQ(target[TotalValue], (Rect{774, 626, 108, 14}));
    // Library label centred on the list (17 + 226 - 157 = 86, 71 right of its
    // place); the tool bar and search bar move with it.
    EXPECT_EQ(target[LibraryLabel], (Rect{86, 39, 315, 18}));
    EXPECT_EQ(target[LibraryToolBar].left, testing::LayoutFakeTarget::kToolBarRect.left + 71);
    EXPECT_EQ(target[SearchByLabel], (Rect{97, 62, 82, 18}));
    EXPECT_EQ(target[TallLevelRight], Rect::fromEdges(991, 57, 1000, 683));
    // Spectra: large at the shares with its top fixed, small with the bottom.
    EXPECT_EQ(target[LargeSpectrum], (Rect{537, 138, 446, 51}));
    EXPECT_EQ(target[SmallSpectrum], (Rect{547, 650, 157, 29}));
    EXPECT_EQ(target[MiniToolbar], (Rect{853, 3, 147, 17}));
}

TEST_F(LayoutViewsTest, PartyViewCentresPauseOnTheTimeAndEndsTheSpectrumBesideLeft) {
    apply(ViewMode::Party, kBigClient);
    EXPECT_EQ(target[LibraryList].bottom(), 683);  // 8 above the bottom
    // Pause has two rows: 14 under the seek bar, then centred on the time
    // display (605 + 123 = 728; 728 + 22 - 13) keeping that top. The other
    // transport buttons follow it, not the seek bar.
    EXPECT_EQ(target[TimeDisplay].left, 728);
    EXPECT_EQ(target[PauseButton], (Rect{737, 102, 27, 23}));
    EXPECT_EQ(target[PlayButton].left, 737 - 27);
    EXPECT_EQ(target[PreviousButton].left, 737 - 54);
    // Small spectrum, second row: at its shares, centred on "Left:" (716 + 7,
    // 611 + 31, 15 high): top 642 + (15 - 29) / 2.
    EXPECT_EQ(target[LeftLabel], (Rect{723, 642, 45, 15}));
    EXPECT_EQ(target[SmallSpectrum], (Rect{547, 635, 157, 29}));
}

// The player view's own size: as wide as the controls, 92 + the large
// spectrum's 51 + 6 high.
constexpr Rect kPlayerClient{0, 0, 420, 149};

TEST_F(LayoutViewsTest, PlayerViewWithTheSmallSpectrum) {
    apply(ViewMode::Player, kPlayerClient, true);
    const Rect seek = target[SeekBar];
    // Transport: below the seek bar, left-aligned, at their own sizes.
    EXPECT_EQ(target[PreviousButton], (Rect{seek.left, seek.bottom() + 8, 27, 23}));
    EXPECT_EQ(target[PlayButton].left, target[PreviousButton].right());
    // The seek bar centres on the small image and ends 8 before the edge.
    EXPECT_EQ(seek.right(), 412);
    // The small spectrum's last row wants its bottom 8 above the seek bar it
    // was put under: it collapses to no height.
    EXPECT_EQ(target[SmallSpectrum].height, 0);
    EXPECT_EQ(target[SmallSpectrum].top, seek.bottom() + 8);
    // The title spans from the spectrum to the edge; the large spectrum spans
    // the window under the volume slider.
    EXPECT_EQ(target[ScrollingTitle].left, target[SmallSpectrum].right() + 8);
    EXPECT_EQ(target[ScrollingTitle].right(), 412);
    EXPECT_EQ(target[LargeSpectrum], Rect::fromEdges(8, target[VolumeSlider].bottom() + 8, 412,
                                                     target[VolumeSlider].bottom() + 8 + 51));
    EXPECT_EQ(target[MiniToolbar], (Rect{265, 3, 147, 17}));
}

TEST_F(LayoutViewsTest, PlayerViewWithoutTheSmallSpectrum) {
    apply(ViewMode::Player, kPlayerClient, false);
    // Menu button: its second row leaves the left at its share, 420*5/708 = 3.
    EXPECT_EQ(target[MenuButton], (Rect{3, 8, 27, 22}));
    // Title under it (30 + 8), then across the window.
    EXPECT_EQ(target[ScrollingTitle], Rect::fromEdges(8, 38, 412, 56));
    EXPECT_EQ(target[PreviousButton], (Rect{8, 64, 27, 23}));
    // The time display under Pause, the second line right of Stop.
    EXPECT_EQ(target[TimeDisplay], (Rect{target[PauseButton].left, 95, 45, 13}));
    EXPECT_EQ(target[SecondTitleLine].left, target[StopButton].right() + 8);
    EXPECT_EQ(target[SecondTitleLine].right(), 412);
}

TEST_F(LayoutViewsTest, PlaylistViewGrown) {
    apply(ViewMode::Playlist, kBigClient);
    EXPECT_EQ(target[PlayList], Rect::fromEdges(8, 179, 1000, 627));
    EXPECT_EQ(target[SeekBar].left, 8 + 496 - 153);
    // Totals frame keeps its offset from the seek bar across (503 - 383),
    // follows the height down; the small spectrum sits 8 under "Move:".
    EXPECT_EQ(target[TotalsFrame], (Rect{471, 611, 180, 73}));
    EXPECT_EQ(target[MoveLabel], (Rect{354, 624, 43, 13}));
    EXPECT_EQ(target[SmallSpectrum], (Rect{354, 645, 110, 29}));
    EXPECT_EQ(target[LargeSpectrum], Rect::fromEdges(8, 138, 1000, 189));
}

TEST_F(LayoutViewsTest, BarViewLinesTheDisplaysUpWithTheMenuButton) {
    apply(ViewMode::Toolbar, kInitialClient);
    EXPECT_EQ(target[MenuButton], (Rect{5, 8, 27, 22}));
    EXPECT_EQ(target[TimeDisplay], (Rect{8, 12, 45, 13}));     // 8 + (22 - 13) / 2
    EXPECT_EQ(target[SmallSkinImage], (Rect{8, 9, 155, 19}));  // 8 + (22 - 19) / 2
    EXPECT_EQ(target[MiniToolbar], (Rect{553, 3, 147, 17}));
}

TEST_F(LayoutViewsTest, LibraryViewGrown) {
    apply(ViewMode::Library, kBigClient);
    EXPECT_EQ(target[LibraryList], Rect::fromEdges(17, 141, 1000, 653));
    // Edit centred under the list (17 + 491 - 37), Add and Remove beside it.
    EXPECT_EQ(target[EditButton], (Rect{471, 660, 75, 23}));
    EXPECT_EQ(target[AddButton].left, 471 - 87);
    EXPECT_EQ(target[RemoveButton].left, 471 + 89);
    EXPECT_EQ(target[LibraryLabel].left, 17 + 491 - 157);
}

TEST_F(LayoutViewsTest, WorkSpaceAtFullShareKeepsThePlayListLabelLevelWithTheSearchLabel) {
    apply(ViewMode::LibraryAndPlaylist, kInitialClient);
    EXPECT_EQ(target[SearchByLabel].top, 62);
    EXPECT_EQ(target[PlayListLabel], (Rect{416, 62, 234, 17}));  // centred on the play list
    // The play list from under its label to 45 above the bottom.
    EXPECT_EQ(target[PlayList], Rect::fromEdges(374, 79, 692, 446));
    // Under it: the description centred, Play after it, the file button at
    // Play's height right-aligned with the list, "Move:" 14 further right.
    EXPECT_EQ(target[FileDescription], (Rect{472, 454, 122, 18}));
    EXPECT_EQ(target[PlayButton], (Rect{602, 452, 27, 23}));
    EXPECT_EQ(target[FileButton], (Rect{665, 452, 27, 23}));
    EXPECT_EQ(target[MoveLabel], (Rect{400, 456, 43, 13}));
    EXPECT_EQ(target[UpButton], (Rect{451, 451, 36, 24}));
    EXPECT_EQ(target[DownButton], (Rect{495, 451, 36, 24}));
    // The work-space button stands 5 above the list at its right edge.
    EXPECT_EQ(target[WorkSpaceButton], (Rect{662, 51, 30, 23}));
}

TEST_F(LayoutViewsTest, WorkSpaceAtTwentyPercentPushesTheLabelDownByEightyPercent) {
    engine.setWorkSpacePercent(20);
    apply(ViewMode::LibraryAndPlaylist, kInitialClient);
    // Free height 491 - 62 - 45 = 384; down by 384 - 384 * 20 / 100 = 308.
    EXPECT_EQ(target[PlayListLabel].top, 62 + 308);
    EXPECT_EQ(target[PlayList], Rect::fromEdges(374, 387, 692, 446));
    EXPECT_EQ(target[WorkSpaceButton], (Rect{662, 359, 30, 23}));

    // Grown, the same share of the larger free height (691 - 62 - 45 = 584).
    apply(ViewMode::LibraryAndPlaylist, kBigClient);
    EXPECT_EQ(target[PlayListLabel].top, 62 + 584 - 116);
    EXPECT_EQ(target[PlayList].bottom(), 646);
}

}  // namespace
}  // namespace sonara
