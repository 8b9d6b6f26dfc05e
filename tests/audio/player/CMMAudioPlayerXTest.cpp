#include "audio/player/CMMAudioPlayerX.h"

#include <gtest/gtest.h>

#include <vector>

#include "audio/engine/FakeOutput.h"
#include "core/app/EventQueue.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara::audio {
namespace {

// The kind of a failure is what the player's host tells a device failure
// from a file it cannot play by.
TEST(CMMAudioPlayerX, FailuresSayWhetherTheFileOrTheDeviceIsAtFault) {
    sonara::testing::TempDir dir;
    EventQueue queue;
    testing::FakeOutputFactory outputs;
    CMMAudioPlayerX player(queue, outputs);

    const Status missing = player.setFileName(dir.file("missing.mp3"));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.kind(), ErrorKind::Io);

    sonara::testing::writeBytes(dir.file("garbage.mp3"), std::vector<uint8_t>(5000, 0x5A));
    const Status garbage = player.setFileName(dir.file("garbage.mp3"));
    EXPECT_FALSE(garbage);
    EXPECT_EQ(garbage.kind(), ErrorKind::Rejected);

    std::vector<uint8_t> cutWav = sonara::testing::makeWav(8000, 1, 0.5);
    cutWav.resize(20);
    sonara::testing::writeBytes(dir.file("cut.wav"), cutWav);
    EXPECT_EQ(player.setFileName(dir.file("cut.wav")).kind(), ErrorKind::Rejected);

    sonara::testing::writeMp3(dir.file("song.mp3"), sonara::testing::songSpec(1));
    ASSERT_TRUE(player.setFileName(dir.file("song.mp3")));
    outputs.failOpen = true;
    const Status played = player.play();
    EXPECT_FALSE(played);
    EXPECT_EQ(played.kind(), ErrorKind::Device);
    EXPECT_EQ(played.error().rfind("WaveOutOpen: ", 0), 0u) << played.error();
}

}  // namespace
}  // namespace sonara::audio
