#include "audio/engine/PlayerTexts.h"

#include <gtest/gtest.h>

namespace sonara::audio {
namespace {

TEST(PlayerTexts, TimeTextPadsHoursAndShowsTheTimeLeft) {
    EXPECT_EQ(timeText(3725, 4000, false), "  1:02:05");
    EXPECT_EQ(timeText(65, 300, false), " 01:05");
    EXPECT_EQ(timeText(175, 300, true), "-02:05");
    EXPECT_EQ(timeText(0, 0, false), " 00:00");
    // Past the end (a length that was an estimate) shows no negative time.
    EXPECT_EQ(timeText(310, 300, true), "-00:00");
    const TimeDisplay display = timeDisplay(65'900, 3'725'000, false);
    EXPECT_EQ(display.positionSeconds, 65);
    EXPECT_EQ(display.lengthSeconds, 3725);
    EXPECT_EQ(display.endLabel, " 1:02:05");
}

TEST(PlayerTexts, FileDescriptionForEachKindAndView) {
    StreamDescription mp3{128, 44100, 2, false, true, 3};
    EXPECT_EQ(fileDescription(mp3, false), "MP3, 128Kbps, 44KHz, Stereo");
    EXPECT_EQ(fileDescription(mp3, true), "MP3 128Kbps 44KHz");
    StreamDescription mono{64, 22050, 1, false, true, 2};
    EXPECT_EQ(fileDescription(mono, false), "MP2, 64Kbps, 22KHz, Mono");
    StreamDescription low{32, 11025, 1, false, true, 3};
    EXPECT_EQ(fileDescription(low, true), "MP3 32Kbps 11KHz");
    StreamDescription wav{1411, 44100, 2, true, false, 0};
    EXPECT_EQ(fileDescription(wav, false), "Wav, 44KHz, Digital Stereo");
    EXPECT_EQ(fileDescription(wav, true), "Wav, 44KHz, Digital Stereo");
}

TEST(PlayerTexts, ResetTexts) {
    EXPECT_EQ(idleInfoText(true), "Kbps    KHz");
    EXPECT_EQ(idleInfoText(false), "Kbps    KHz    Digital");
    EXPECT_EQ(idleTimeText(true), "00:00");
    EXPECT_EQ(idleTimeText(false), " ");
}

}  // namespace
}  // namespace sonara::audio
