#include "core/mainwnd/LayoutRule.h"

#include <gtest/gtest.h>

#include "LayoutFakeTarget.h"

namespace sonara {
namespace {

// One row placed against fixed surroundings. The client grew from 700 x 500
// to 1000 x 800 (300 wider, 300 taller); the control started at o, its
// reference at r and now stands at R; the control itself stands at `now`.
class LayoutRuleTest : public ::testing::Test {
  protected:
    static constexpr Rect O{0, 0, 700, 500};
    static constexpr Rect C{0, 0, 1000, 800};
    static constexpr Rect o{100, 200, 51, 21};
    static constexpr Rect r{300, 100, 60, 40};
    static constexpr Rect R{400, 150, 81, 30};
    static constexpr Rect now{11, 22, 33, 44};

    Rect place(std::uint32_t flags, bool withReference = true, int percent = 100,
               Rect client = C) const {
        LayoutRule rule;
        rule.control = ControlId::PlayList;
        rule.initial = o;
        if (withReference) {
            rule.reference = ControlId::LibraryList;
            rule.referenceInitial = r;
        }
        rule.flags = flags;
        rule.left = {o.left, O.width};
        rule.width = {o.width, O.width};
        rule.top = {o.top, O.height};
        rule.height = {o.height, O.height};
        LayoutSituation situation;
        situation.client = client;
        situation.initialClient = O;
        situation.reference = withReference ? R : Rect{};
        situation.controlNow = now;
        situation.previousTop = 77;
        situation.workSpacePercent = percent;
        return placeByRule(rule, situation);
    }
};

TEST_F(LayoutRuleTest, FractionsRoundToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ((LayoutFraction{7, 700}.of(1050)), 11);  // 10.5
    EXPECT_EQ((LayoutFraction{7, 700}.of(-1050)), -11);
    EXPECT_EQ((LayoutFraction{1, 3}.of(4)), 1);  // 1.33
    EXPECT_EQ((LayoutFraction{2, 3}.of(4)), 3);  // 2.67
    // Built on an empty client: no share, the initial length stays.
    EXPECT_EQ((LayoutFraction{40, 0}.of(1000)), 40);
}

TEST_F(LayoutRuleTest, LeftTakesTheFirstMatchingFlag) {
    EXPECT_EQ(place(0x80 | 0x1 | 0x200 | 0x400 | 0x2).left, 200);  // R.left + (o.left - r.left)
    EXPECT_EQ(place(0x1 | 0x200 | 0x400 | 0x2).left, 100);         // o.left
    EXPECT_EQ(place(0x200 | 0x400 | 0x2).left, 415);  // 400 + 81/2 - 51/2, each halved down
    EXPECT_EQ(place(0x400 | 0x2).left, 8);            // client edge + gap
    EXPECT_EQ(place(0x2).left, 400);                  // follows the width change
    EXPECT_EQ(place(0x0).left, 143);                  // 1000 * 100 / 700 = 142.9
}

TEST_F(LayoutRuleTest, TopTakesTheFirstMatchingFlag) {
    EXPECT_EQ(place(0x40 | 0x4 | 0x8 | 0x800 | 0x200).top, 250);  // R.top + (o.top - r.top)
    EXPECT_EQ(place(0x4 | 0x8 | 0x800 | 0x200).top, 200);
    EXPECT_EQ(place(0x8 | 0x800 | 0x200).top, 500);  // follows the height change
    EXPECT_EQ(place(0x800 | 0x200).top, 8);
    // These three keep the previous row's top (0x1000000 then replaces it).
    EXPECT_EQ(place(0x200).top, 77);
    EXPECT_EQ(place(0x800000).top, 77);
    EXPECT_EQ(place(0x0).top, 320);  // 800 * 200 / 500
}

TEST_F(LayoutRuleTest, RightKeepsTheWidthOrScalesIt) {
    EXPECT_EQ(place(0x1).right(), 151);
    EXPECT_EQ(place(0x1 | 0x10).right(), 173);  // 100 + 1000 * 51 / 700 = 72.9
}

TEST_F(LayoutRuleTest, BottomTakesTheFirstMatchingFlag) {
    EXPECT_EQ(place(0x4 | 0x100 | 0x20).bottom(), 521);  // o.bottom + 300
    EXPECT_EQ(place(0x4 | 0x20).bottom(), 234);          // 200 + 800 * 21 / 500 = 33.6
    EXPECT_EQ(place(0x4).bottom(), 221);
    // 0x400000 ends 45 pixels above the bottom and, as an adjustment, starts
    // right under R.
    EXPECT_EQ(place(0x4 | 0x400000), Rect::fromEdges(143, 180, 194, 755));
}

TEST_F(LayoutRuleTest, AdjustmentsToTheClientEdges) {
    constexpr std::uint32_t kAtO = 0x1 | 0x4;
    EXPECT_EQ(place(kAtO | 0x10000), Rect::fromEdges(100, 200, 992, 221));
    EXPECT_EQ(place(kAtO | 0x20000), Rect::fromEdges(100, 200, 151, 792));
    EXPECT_EQ(place(kAtO | 0x4000), (Rect{941, 200, 51, 21}));
    EXPECT_EQ(place(kAtO | 0x4000000), (Rect{8, 200, 51, 21}));
    EXPECT_EQ(place(kAtO | 0x8000), (Rect{100, 771, 51, 21}));
}

TEST_F(LayoutRuleTest, AdjustmentsBesideTheReference) {
    constexpr std::uint32_t kAtO = 0x1 | 0x4;
    EXPECT_EQ(place(kAtO | 0x40000), (Rect{100, 200, 51, 30}));  // R's height
    EXPECT_EQ(place(kAtO | 0x8000000), Rect::fromEdges(100, 200, 392, 221));
    EXPECT_EQ(place(kAtO | 0x80000), (Rect{100, 154, 51, 21}));   // 150 + 9/2
    EXPECT_EQ(place(kAtO | 0x100000), (Rect{489, 200, 51, 21}));  // R.right + 8
    EXPECT_EQ(place(kAtO | 0x200000), (Rect{114, 200, 51, 21}));
    EXPECT_EQ(place(kAtO | 0x800000), (Rect{430, 200, 51, 21}));   // right = R.right
    EXPECT_EQ(place(kAtO | 0x1000000), (Rect{430, 124, 51, 21}));  // 5 above R
}

TEST_F(LayoutRuleTest, BelowTheReferenceKeepsTheInitialSize) {
    constexpr std::uint32_t kAtO = 0x1 | 0x4;
    EXPECT_EQ(place(kAtO | 0x1000), (Rect{415, 188, 51, 21}));      // centred
    EXPECT_EQ(place(kAtO | 0x10000000), (Rect{400, 188, 51, 21}));  // left-aligned
    EXPECT_EQ(place(kAtO | 0x20000000), (Rect{430, 188, 51, 21}));  // right-aligned
}

TEST_F(LayoutRuleTest, AdjustmentsThatStartFromTheControlsCurrentPlace) {
    constexpr std::uint32_t kAtO = 0x1 | 0x4;
    EXPECT_EQ(place(kAtO | 0x2000), Rect::fromEdges(11, 22, 44, 142));  // bottom = R.top - 8
    EXPECT_EQ(place(kAtO | 0x40000000), Rect::fromEdges(489, 22, 992, 66));
    EXPECT_EQ(place(kAtO | 0x40000000, false), Rect::fromEdges(8, 22, 992, 66));
    EXPECT_EQ(place(kAtO | 0x80000000), Rect::fromEdges(11, 22, 392, 66));
}

TEST_F(LayoutRuleTest, WorkSpaceTopMovesDownByTheShareNotGivenToThePlayList) {
    constexpr std::uint32_t kAtO = 0x1 | 0x4;
    // Centred on R: top 154, bottom 175; free height A = 800 - 154 - 45 = 601.
    EXPECT_EQ(place(kAtO | 0x2000000, true, 100), (Rect{100, 154, 51, 21}));
    // 601 - 601 * 20 / 100 = 481 down; the bottom stays for the next row.
    EXPECT_EQ(place(kAtO | 0x2000000, true, 20), Rect::fromEdges(100, 635, 151, 175));
    EXPECT_EQ(place(kAtO | 0x2000000, true, 0).top, 154);
    // No free height: nothing moves.
    EXPECT_EQ(place(kAtO | 0x2000000, true, 20, Rect{0, 0, 1000, 199}).top, 154);
}

TEST_F(LayoutRuleTest, AdjustmentsApplyInTheirFixedOrder) {
    constexpr std::uint32_t kAtO = 0x1 | 0x4;
    EXPECT_EQ(place(kAtO | 0x4000 | 0x4000000).left, 8);     // the client-left move is later
    EXPECT_EQ(place(kAtO | 0x100000 | 0x200000).left, 503);  // after R, then 14 further
    EXPECT_EQ(place(kAtO | 0x8000 | 0x80000).top, 154);      // centring after bottom edge
    EXPECT_EQ(place(kAtO | 0x80000 | 0x2000), Rect::fromEdges(11, 22, 44, 142));
    EXPECT_EQ(place(kAtO | 0x200000 | 0x1000).left, 415);  // centring undoes the nudge
}

}  // namespace
}  // namespace sonara
