#include <gtest/gtest.h>

#include "core/mainwnd/DisplayGeometry.h"

namespace sonara {
namespace {

TEST(DisplayGeometry, BarsFitTheWidthWithinTheLimits) {
    EXPECT_EQ(barsThatFit(313, 2, 1, 32), 32);
    EXPECT_EQ(barsThatFit(110, 2, 0, 128), 55);
    // The last bar needs no space after it.
    EXPECT_EQ(barsThatFit(8, 2, 1, 100), 3);
    EXPECT_EQ(barsThatFit(0, 2, 1, 100), 1);
}

TEST(DisplayGeometry, ColumnsCoverTheWidthWithEvenBarsAndTheirSpaces) {
    const auto columns = barColumns(10, 3, 1);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0], (PixelSpan{0, 3}));
    EXPECT_EQ(columns[1], (PixelSpan{4, 3}));
    EXPECT_EQ(columns[2], (PixelSpan{8, 2}));
    // More bars than pixels: none overruns the width.
    for (const PixelSpan& column : barColumns(4, 6, 0)) {
        EXPECT_LE(column.start + column.length, 4);
    }
    EXPECT_TRUE(barColumns(10, 0, 1).empty());
}

TEST(DisplayGeometry, SpotsLightFromTheFootAsTheHeightPassesTheirMiddle) {
    const SpotLadder ladder(10, 2, 1);  // spots at 0, 3, 6 and a cut one at 9
    ASSERT_EQ(ladder.spotCount(), 4);
    EXPECT_EQ(ladder.spot(3), (PixelSpan{9, 1}));
    EXPECT_EQ(ladder.litSpots(0.0f), 0);
    EXPECT_EQ(ladder.litSpots(0.05f), 0);
    EXPECT_EQ(ladder.litSpots(0.1f), 1);
    EXPECT_EQ(ladder.litSpots(0.45f), 2);
    EXPECT_EQ(ladder.litSpots(1.0f), 4);
    EXPECT_EQ(ladder.litSpots(7.0f), 4);
    EXPECT_EQ(ladder.reach(2), 5);
    EXPECT_EQ(ladder.reach(4), 10);
    EXPECT_EQ(ladder.peakSpot(0.0f), -1);
    EXPECT_EQ(ladder.peakSpot(0.02f), 0);
    EXPECT_EQ(ladder.peakSpot(1.0f), 3);
}

TEST(DisplayGeometry, AGapAtTheEndIsNoSpotAndOddSizesAreSafe) {
    EXPECT_EQ(SpotLadder(5, 2, 1).spotCount(), 2);  // 0-1, 3-4
    EXPECT_EQ(SpotLadder(7, 2, 1).spotCount(), 3);  // 0-1, 3-4, 6
    EXPECT_EQ(SpotLadder(6, 2, 1).spotCount(), 2);  // pixel 5 is a gap
    EXPECT_EQ(SpotLadder(0, 2, 1).spotCount(), 0);
    EXPECT_EQ(SpotLadder(4, 0, -3).spotCount(), 4);
    EXPECT_EQ(SpotLadder(0, 2, 1).litSpots(1.0f), 0);
}

}  // namespace
}  // namespace sonara
