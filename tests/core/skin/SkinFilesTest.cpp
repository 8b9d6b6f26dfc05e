#include "core/skin/SkinFiles.h"

#include <gtest/gtest.h>

namespace sonara::skin {
namespace {

TEST(SkinCellTest, CaptionRowsSplitTheHeight) {
    // The built-in large strip: 5 states across, 20 captioned rows.
    EXPECT_EQ(cellRect(385, 400, 5, kLargeCaptionRows, kMouseOver, kRowBrowse),
              (CellRect{231, 240, 308, 260}));
    EXPECT_EQ(cellRect(135, 352, 5, kMediumCaptionRows, kUp, 15), (CellRect{0, 330, 27, 352}));
}

TEST(SkinCellTest, OneRowIsTheWholeHeightWhateverRowIsAsked) {
    EXPECT_EQ(cellRect(385, 400, 5, 1, kDisabled, 7), (CellRect{308, 0, 385, 400}));
    EXPECT_EQ(cellRect(60, 14, 1, 1, 0, 0), (CellRect{0, 0, 60, 14}));
}

TEST(SkinCellTest, ZeroSizesAndCountsGiveAnEmptyCell) {
    EXPECT_EQ(cellRect(0, 400, 5, 20, 1, 1), CellRect{});
    EXPECT_EQ(cellRect(385, 0, 5, 20, 1, 1), CellRect{});
    EXPECT_EQ(cellRect(385, 400, 0, 20, 1, 1), CellRect{});  // FontInfo.ini's 0 across
    EXPECT_EQ(cellRect(385, 400, 5, 0, 1, 1), CellRect{});
    EXPECT_EQ(cellRect(385, 400, fileInfo(kFontInfo).cellsAcross, 1, 0, 0).width(), 0);
}

}  // namespace
}  // namespace sonara::skin
