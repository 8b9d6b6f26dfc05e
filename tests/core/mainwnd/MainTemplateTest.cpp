#include "core/mainwnd/MainTemplate.h"

#include <gtest/gtest.h>

#include <set>

namespace sonara {
namespace {

TEST(MainTemplateTest, UnitsRoundToNearestPixelWithHalvesAwayFromZero) {
    EXPECT_EQ(horizontalUnitsToPixels(1), 2);  // 1.5
    EXPECT_EQ(horizontalUnitsToPixels(3), 5);  // 4.5
    EXPECT_EQ(horizontalUnitsToPixels(-1), -2);
    EXPECT_EQ(verticalUnitsToPixels(1), 2);  // 1.625
    EXPECT_EQ(verticalUnitsToPixels(4), 7);  // 6.5
    EXPECT_EQ(verticalUnitsToPixels(5), 8);  // 8.125
    EXPECT_EQ(verticalUnitsToPixels(-4), -7);
    EXPECT_EQ(MainTemplate::clientPixels(), (Rect{0, 0, 708, 491}));  // 472 x 302 units
}

TEST(MainTemplateTest, RectanglesConvertTheirEdgesSoNeighboursStillMeet) {
    // Menu button 3,1,18,14: edges 4.5 -> 5, 1.625 -> 2, 31.5 -> 32, 24.375 -> 24;
    // its height is 22 although 14 units alone would round to 23.
    EXPECT_EQ(MainTemplate::pixelRect(ControlId::MenuButton), (Rect{5, 2, 27, 22}));
    // Transport buttons touch in units (x 272, 290, 308, ...), and in pixels.
    EXPECT_EQ(MainTemplate::pixelRect(ControlId::PreviousButton).right(),
              MainTemplate::pixelRect(ControlId::PlayButton).left);
    // The play list's 212 x 153 units become 318 x 248 (not 248.6 rounded to 249).
    EXPECT_EQ(MainTemplate::pixelRect(ControlId::PlayList), (Rect{374, 179, 318, 248}));
    EXPECT_EQ(MainTemplate::pixelRect(ControlId::LibraryToolBar), Rect{});
}

TEST(MainTemplateTest, EveryControlOnceInsideTheClientAreaWithTheHiddenOnesMarked) {
    std::set<ControlId> ids;
    std::set<ControlId> hidden;
    for (const TemplateControl& control : MainTemplate::controls()) {
        EXPECT_TRUE(ids.insert(control.id).second) << static_cast<int>(control.id);
        if (control.hidden) {
            hidden.insert(control.id);
        }
        EXPECT_GE(control.units.left, 0);
        EXPECT_GE(control.units.top, 0);
        EXPECT_LE(control.units.right(), MainTemplate::kClientWidthUnits);
        EXPECT_LE(control.units.bottom(), MainTemplate::kClientHeightUnits);
        EXPECT_EQ(MainTemplate::find(control.id), &control);
    }
    // Every id of the enum but the run-time tool bar.
    EXPECT_EQ(ids.size(), 59u);
    EXPECT_EQ(MainTemplate::find(ControlId::LibraryToolBar), nullptr);
    using enum ControlId;
    EXPECT_EQ(hidden,
              (std::set<ControlId>{TouchScreenCaption, TouchScreenSearch, TouchScreenBack, EqButton,
                                   Unused1302, Unused1303, Unused1304, Unused1305}));
}

}  // namespace
}  // namespace sonara
