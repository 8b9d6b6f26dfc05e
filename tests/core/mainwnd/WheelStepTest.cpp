#include "core/mainwnd/WheelStep.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

TEST(WheelStep, MovesByTheShareOfTheRangeAndStopsAtItsEnds) {
    // The volume: 5 % of 0..65535 is 3277 a notch.
    EXPECT_EQ(sliderAfterWheel(30000, 0, 65535, 1, kVolumeWheelShare), 33277);
    EXPECT_EQ(sliderAfterWheel(30000, 0, 65535, -2, kVolumeWheelShare), 23446);
    EXPECT_EQ(sliderAfterWheel(64000, 0, 65535, 1, kVolumeWheelShare), 65535);
    EXPECT_EQ(sliderAfterWheel(1000, 0, 65535, -1, kVolumeWheelShare), 0);
    // A four-minute song: 2.5 % is 6 seconds.
    EXPECT_EQ(sliderAfterWheel(100, 0, 240, 1, kSeekWheelShare), 106);
    // Many notches at once do not overflow.
    EXPECT_EQ(sliderAfterWheel(10, 0, 65535, 2000000, kVolumeWheelShare), 65535);
}

TEST(WheelStep, AShortRangeStillMovesAndAnEmptyOneStays) {
    EXPECT_EQ(sliderAfterWheel(5, 0, 20, 1, kSeekWheelShare), 6);
    EXPECT_EQ(sliderAfterWheel(5, 0, 20, -1, kSeekWheelShare), 4);
    EXPECT_EQ(sliderAfterWheel(0, 0, 0, 1, kSeekWheelShare), 0);
    EXPECT_EQ(sliderAfterWheel(7, 3, 3, -1, kSeekWheelShare), 3);
}

}  // namespace
}  // namespace sonara
