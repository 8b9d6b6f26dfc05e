#include "core/mainwnd/TrayState.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

TEST(TrayState, TurnsWhilePlayingAndRestsOnTheFirstFrameOtherwise) {
    TrayState tray;
    for (int expected = 1; expected < TrayState::kFrameCount; ++expected) {
        EXPECT_TRUE(tray.tick(true, "Song").frame);
        ASSERT_EQ(tray.frame(), expected);
    }
    tray.tick(true, "Song");
    EXPECT_EQ(tray.frame(), 0) << "wraps after the sixteenth frame";
    tray.tick(true, "Song");
    tray.tick(true, "Song");
    // Pausing: back to frame 0 once, then nothing more to redraw.
    EXPECT_TRUE(tray.tick(false, "Song").frame);
    EXPECT_EQ(tray.frame(), 0);
    EXPECT_FALSE(tray.tick(false, "Song").frame);
    // Resuming starts the turn again.
    tray.tick(true, "Song");
    EXPECT_EQ(tray.frame(), 1);
}

TEST(TrayState, FrameRequestsOutOfRangeShowTheFirstFrame) {
    EXPECT_EQ(TrayState::frameAfter(15, TrayState::kNextFrame), 0);
    EXPECT_EQ(TrayState::frameAfter(-7, TrayState::kNextFrame), 0);
    EXPECT_EQ(TrayState::frameAfter(3, 9), 9);
    EXPECT_EQ(TrayState::frameAfter(3, 16), 0);
    EXPECT_EQ(TrayState::frameAfter(3, -2), 0);
}

TEST(TrayState, TooltipIsTheSongOrTheProgramCutToSixtyFourCharacters) {
    EXPECT_EQ(TrayState::tooltipFor(""), "Sonara");
    const std::string longSong(70, 'a');
    EXPECT_EQ(TrayState::tooltipFor(longSong), std::string(64, 'a'));
    EXPECT_EQ(TrayState::tooltipFor(std::string(64, 'b')), std::string(64, 'b'));
    // Two-byte characters: 64 of them, never half of the 65th.
    std::string accented;
    for (int i = 0; i < 66; ++i) {
        accented += "\xC3\xA9";
    }
    EXPECT_EQ(TrayState::tooltipFor(accented), accented.substr(0, 128));
    // A sequence cut short at the end of the text is read no further.
    EXPECT_EQ(TrayState::tooltipFor("ab\xE2\x82"), "ab\xE2\x82");
}

TEST(TrayState, TooltipChangeIsReportedOnlyWhenTheTextChanges) {
    TrayState tray;
    EXPECT_EQ(tray.tooltip(), "Sonara");
    EXPECT_FALSE(tray.tick(false, "").tooltip);
    EXPECT_TRUE(tray.tick(true, "Artist - Song").tooltip);
    EXPECT_EQ(tray.tooltip(), "Artist - Song");
    EXPECT_FALSE(tray.tick(true, "Artist - Song").tooltip);
    EXPECT_TRUE(tray.tick(false, "").tooltip);
    EXPECT_EQ(tray.tooltip(), "Sonara");
}

}  // namespace
}  // namespace sonara
