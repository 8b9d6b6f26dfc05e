#include "core/mainwnd/LayoutEngine.h"

#include <gtest/gtest.h>

#include "LayoutFakeTarget.h"

namespace sonara {
namespace {

using enum ControlId;
using testing::LayoutFakeTarget;

constexpr Rect kInitialClient{0, 0, 708, 491};
constexpr Rect kBigClient{0, 0, 1008, 691};

TEST(LayoutTableTest, RowsMoveAtOnceAndALaterRowOfTheSameControlWins) {
    LayoutFakeTarget target;
    const LayoutRowSpec rows[] = {
        {MiniToolbar, 0x4004},             // to the right edge
        {MenuButton, 0xC0, MiniToolbar},   // follows where it went
        {MiniToolbar, 0x4000004},          // then to the left edge
        {VolumeIcon, 0x200, MiniToolbar},  // centred on it, previous row's top
    };
    const LayoutTable table = LayoutTable::capture(rows, target, kInitialClient);
    const Rect toolbar = target[MiniToolbar];  // 552,3 147 x 17
    const Rect menu = target[MenuButton];      // 5,2 27 x 22
    table.apply(target, kBigClient, 100);

    EXPECT_EQ(target[MiniToolbar], (Rect{8, 3, 147, 17}));
    // The menu button kept its offset from the tool bar's first move: 1008 - 8 - 147 = 853.
    EXPECT_EQ(target[MenuButton], (Rect{853 + menu.left - toolbar.left, 2, 27, 22}));
    // 8 + 147/2 - 12/2 = 75; top 3 from the tool bar's last row.
    EXPECT_EQ(target[VolumeIcon], (Rect{75, 3, 12, 13}));
}

TEST(LayoutTableTest, ANegativeSizeCollapsesAtItsLeftAndTopEdges) {
    LayoutFakeTarget target;
    // Bottom 8 above the seek bar, which stands above the control: no height.
    const LayoutRowSpec rows[] = {{SmallSpectrum, 0x2000, SeekBar}};
    const Rect before = target[SmallSpectrum];
    LayoutTable::capture(rows, target, kInitialClient).apply(target, kInitialClient, 100);
    EXPECT_EQ(target[SmallSpectrum], (Rect{before.left, before.top, before.width, 0}));
}

TEST(LayoutTableTest, ATableBuiltOnAnEmptyClientKeepsTheInitialPlaces) {
    LayoutFakeTarget target;
    const LayoutRowSpec rows[] = {{PlayList, 0x10}};
    const Rect before = target[PlayList];
    LayoutTable::capture(rows, target, Rect{}).apply(target, kBigClient, 100);
    EXPECT_EQ(target[PlayList], before);
}

TEST(LayoutEngineTest, TablesAreCapturedWhenBuiltAndAgainOnRebuild) {
    LayoutFakeTarget target;
    LayoutEngine engine(target);
    EXPECT_TRUE(engine.tableFor(ViewMode::Normal, false).rules().empty());

    engine.rebuild(kInitialClient);
    const LayoutTable& normal = engine.tableFor(ViewMode::Normal, false);
    EXPECT_EQ(&normal, &engine.tableFor(ViewMode::TouchScreen, true));
    EXPECT_NE(&engine.tableFor(ViewMode::Player, true), &engine.tableFor(ViewMode::Player, false));
    EXPECT_EQ(normal.rules().front().initial, target[MiniToolbar]);

    // A new skin moved the tool bar: the rebuilt tables start from there.
    target.rects[MiniToolbar] = Rect{500, 4, 200, 30};
    engine.rebuild(kBigClient);
    EXPECT_EQ(engine.initialClient(), kBigClient);
    EXPECT_EQ(normal.rules().front().initial, (Rect{500, 4, 200, 30}));
    EXPECT_EQ(normal.initialClient(), kBigClient);
}

TEST(LayoutEngineTest, AnUpdatedRowKeepsItsPlaceAndTakesTheNewSizeInEveryTable) {
    LayoutFakeTarget target;
    LayoutEngine engine(target);
    engine.rebuild(kInitialClient);
    // The menu button resized itself for a new skin (and stands anywhere now).
    target.rects[MenuButton] = Rect{300, 300, 40, 30};
    engine.updateRow(MenuButton);

    // Normal view: 0xC00 puts it 8 from the top-left corner, at its new size.
    engine.applyView(ViewMode::Normal, false, kBigClient);
    EXPECT_EQ(target[MenuButton], (Rect{8, 8, 40, 30}));
    // Bar view: its second row (0x800) takes the left back to the initial
    // share, 5 of 708; the time display centres on it, 8 + (30 - 13) / 2.
    target.rects[MenuButton] = Rect{300, 300, 40, 30};
    engine.applyView(ViewMode::Toolbar, false, kInitialClient);
    EXPECT_EQ(target[MenuButton], (Rect{5, 8, 40, 30}));
    EXPECT_EQ(target[TimeDisplay].top, 16);
}

}  // namespace
}  // namespace sonara
