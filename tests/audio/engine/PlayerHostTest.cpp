#include "audio/engine/PlayerHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeOutput.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/engine/PlayerSettings.h"
#include "audio/player/PlayerLengthProbe.h"
#include "core/app/EventQueue.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::audio {
namespace {

using namespace std::chrono_literals;
using sonara::testing::Mp3Spec;
using sonara::testing::TempDir;

// The play list as the engine sees it: files in order, the current one.
class FakePlayList final : public PlayListControl {
  public:
    FakePlayList(PlayerHost& host, std::vector<std::string> files)
        : host_(host), files_(std::move(files)) {}

    bool advance(int direction, bool force) override {
        advances.emplace_back(direction, force);
        current += direction == 1 ? 1 : -1;
        if (!hasCurrent()) {
            current = -1;
            host_.stop();
            return false;
        }
        return (force || host_.isPlaying()) && playCurrent();
    }
    bool hasCurrent() const override { return current >= 0 && current < int(files_.size()); }
    bool playCurrent() override {
        ++playCurrentCalls;
        host_.stopIfOpen();
        lastStatus = host_.open(files_[size_t(current)]);
        if (lastStatus) {
            lastStatus = host_.play();
        }
        return lastStatus.ok();
    }
    void stopCurrent() override { host_.stop(); }

    int current = 0;
    int playCurrentCalls = 0;
    Status lastStatus = Status::failure(ErrorKind::Other, "not played yet");
    std::vector<std::pair<int, bool>> advances;

  private:
    PlayerHost& host_;
    std::vector<std::string> files_;
};

class PlayerHostTest : public ::testing::Test {
  protected:
    PlayerHostTest() : prefs(dir.file("Sonara.ini"), dir.path().string()) {
        EXPECT_TRUE(prefs.loadAll());
    }

    std::string song(const std::string& name, double seconds) {
        Mp3Spec spec;
        spec.seconds = seconds;
        const std::string path = dir.file(name);
        sonara::testing::writeMp3(path, spec);
        return path;
    }

    // Makes the host once the test has set up the preferences and devices.
    PlayerHost& makeHost() {
        host = std::make_unique<PlayerHost>(queue, outputs, prompter);
        host->startUp(playerSettings(prefs));
        return *host;
    }

    TempDir dir;
    EventQueue queue;
    testing::FakeOutputFactory outputs;
    PreferenceStore prefs;
    sonara::testing::ScriptedPrompter prompter;
    std::unique_ptr<PlayerHost> host;
};

TEST_F(PlayerHostTest, SongsThatRunOutAdvanceAndTheLastOneStops) {
    outputs.speed = 20;  // a second of audio in 50 ms
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("a.mp3", 1), song("b.mp3", 1)});
    engine.setPlayList(&list);
    int starts = 0;
    auto started = engine.player().onStarted;
    engine.player().onStarted = [&] {
        ++starts;
        started();
    };
    ASSERT_TRUE(list.playCurrent());
    EXPECT_TRUE(list.lastStatus);
    EXPECT_TRUE(engine.isPlaying());
    ASSERT_TRUE(queue.runUntil([&] { return list.advances.size() == 2; }, 10s));
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(list.advances[0], std::make_pair(1, true));
    EXPECT_EQ(list.current, -1);
    EXPECT_FALSE(engine.isPlaying());
    EXPECT_EQ(engine.player().state(), 0);  // closed after its end
}

TEST_F(PlayerHostTest, ASongEndsEvenWhenTheOutputKeepsItsTail) {
    outputs.speed = 20;
    outputs.holdTailFrames = 44100 * 60 / 1000;  // 60 ms, as a sound server may
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("a.mp3", 2)});
    engine.setPlayList(&list);
    ASSERT_TRUE(list.playCurrent());
    // Playing takes 100 ms here; waiting out a whole-song limit would take
    // seconds.
    EXPECT_TRUE(queue.runUntil([&] { return list.advances.size() == 1; }, 1500ms));
    EXPECT_EQ(engine.player().state(), 0);
}

TEST_F(PlayerHostTest, AStopByTheUserDoesNotAdvance) {
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("long.mp3", 10), song("next.mp3", 1)});
    engine.setPlayList(&list);
    ASSERT_TRUE(list.playCurrent());
    queue.runFor(200ms);
    engine.stop();
    EXPECT_FALSE(engine.isPlaying());
    EXPECT_FALSE(engine.stopping());
    queue.runFor(300ms);
    EXPECT_TRUE(list.advances.empty());
    EXPECT_EQ(list.playCurrentCalls, 1);
    EXPECT_EQ(engine.player().state() & CMMAudioPlayerX::kOpen, 0);
}

TEST_F(PlayerHostTest, PauseHoldsThePositionAndResumeGoesOn) {
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("long.mp3", 10)});
    engine.setPlayList(&list);
    ASSERT_TRUE(list.playCurrent());
    queue.runFor(300ms);
    engine.togglePause();
    EXPECT_TRUE(engine.isPaused());
    EXPECT_TRUE(engine.isPlaying());
    queue.runFor(150ms);  // the pause is taken within one block
    const int held = engine.player().position();
    queue.runFor(400ms);
    EXPECT_LE(engine.player().position() - held, 20);
    engine.togglePause();
    EXPECT_FALSE(engine.isPaused());
    queue.runFor(400ms);
    EXPECT_GT(engine.player().position(), held + 150);
    engine.stop();
}

TEST_F(PlayerHostTest, SeekingToTheEndOfTheRangeDoesNothing) {
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("long.mp3", 10)});
    engine.setPlayList(&list);
    ASSERT_TRUE(list.playCurrent());
    queue.runFor(100ms);
    engine.seekTo(10, 10);
    queue.runFor(200ms);
    EXPECT_LT(engine.player().position(), 2000);
    engine.seekTo(6, 10);
    queue.runFor(300ms);
    EXPECT_GE(engine.player().position(), 6000);
    EXPECT_LT(engine.player().position(), 8000);
    EXPECT_TRUE(list.advances.empty());
    engine.stop();
}

TEST_F(PlayerHostTest, ABufferChangeWhilePlayingRestartsThroughPlay) {
    PlayerHost& engine = makeHost();
    EXPECT_EQ(engine.player().bufferSize(), 32768);
    EXPECT_EQ(engine.player().numBuffers(), 10);  // the default 320 K
    FakePlayList list(engine, {song("long.mp3", 10)});
    engine.setPlayList(&list);
    ASSERT_TRUE(list.playCurrent());
    queue.runFor(500ms);
    const int before = engine.player().position();
    engine.applyBufferSize(640);
    EXPECT_EQ(engine.player().numBuffers(), 20);
    ASSERT_TRUE(queue.runUntil([&] { return list.playCurrentCalls == 2; }, 5s));
    EXPECT_TRUE(engine.isPlaying());
    EXPECT_TRUE(list.advances.empty());
    // It goes on from where it was, not from the start.
    EXPECT_GE(engine.player().position(), before - 100);
    engine.stop();
}

TEST_F(PlayerHostTest, TheFirstDeviceChoiceSkipsModemsAndGamePorts) {
    outputs.devices = {"Modem #0 Line Playback", "Game Compatible Device", "Sound card"};
    prefs.values().waveoutDeviceId = -1;
    PlayerHost& engine = makeHost();
    EXPECT_TRUE(chooseOutputDevice(engine, prefs));
    EXPECT_EQ(engine.player().deviceId(), 2);
    EXPECT_EQ(engine.lengthProbe().deviceId(), 2);
    PreferenceStore reread(prefs.iniPath(), dir.path().string());
    EXPECT_EQ(reread.readOutputDevice(-5), 2);

    // A stored choice is kept; none to choose keeps the player's own.
    outputs.devices = {"Modem"};
    PreferenceStore fresh(dir.file("other.ini"), dir.path().string());
    EXPECT_TRUE(fresh.loadAll());
    PlayerHost other(queue, outputs, prompter);
    EXPECT_TRUE(chooseOutputDevice(other, fresh));
    EXPECT_EQ(other.player().deviceId(), 0);
    PlayerHost again(queue, outputs, prompter);
    EXPECT_TRUE(chooseOutputDevice(again, prefs));
    EXPECT_EQ(again.player().deviceId(), 2);
}

TEST_F(PlayerHostTest, ADeviceThatWillNotOpenIsReportedByName) {
    outputs.failOpen = true;
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("a.mp3", 1)});
    engine.setPlayList(&list);
    EXPECT_FALSE(list.playCurrent());
    EXPECT_EQ(list.lastStatus.kind(), ErrorKind::Device);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Sonara is unable to use the Output Device: Fake sound card");
    EXPECT_FALSE(engine.starting());
    EXPECT_FALSE(engine.isPlaying());
}

TEST_F(PlayerHostTest, AFileThePlayerRejectsFailsQuietly) {
    PlayerHost& engine = makeHost();
    const std::string garbage = dir.file("garbage.mp3");
    sonara::testing::writeBytes(garbage, std::vector<uint8_t>(5000, 0x5A));
    const std::string empty = dir.file("empty.mp3");
    sonara::testing::writeBytes(empty, {});
    for (const std::string& path : {garbage, empty, dir.file("missing.mp3")}) {
        const Status opened = engine.open(path);
        EXPECT_FALSE(opened) << path;
        EXPECT_EQ(opened.kind(), ErrorKind::Rejected);
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PlayerHostTest, StreamVolumeAndBalanceReachThePlayer) {
    prefs.values().streamVolumeMMTools = 20000;
    prefs.values().balanceMMTools = 40000;
    PlayerHost& engine = makeHost();
    FakePlayList list(engine, {song("a.mp3", 2)});
    engine.setPlayList(&list);
    ASSERT_TRUE(list.playCurrent());
    queue.runFor(100ms);
    ASSERT_NE(outputs.last, nullptr);
    EXPECT_EQ(outputs.last->lastVolume, 20000);
    EXPECT_EQ(outputs.last->lastBalance, 40000 - 32767);
    engine.stop();
}

TEST_F(PlayerHostTest, TheLengthProbePlayerMeasuresWithoutPlaying) {
    PlayerHost& engine = makeHost();
    PlayerLengthProbe probe(engine.lengthProbe());
    Mp3Spec cbr;
    cbr.seconds = 3;
    sonara::testing::writeMp3(dir.file("cbr.mp3"), cbr);
    Mp3Spec vbr;
    vbr.seconds = 4;
    vbr.vbr = Mp3Spec::Vbr::Xing;
    sonara::testing::writeMp3(dir.file("vbr.mp3"), vbr);
    // As the decoder plays them: gapless decoding trims a few milliseconds.
    EXPECT_NEAR(double(probe.lengthMilliseconds(dir.file("cbr.mp3"))),
                double(sonara::testing::expectedMilliseconds(cbr)), 60.0);
    EXPECT_NEAR(double(probe.lengthMilliseconds(dir.file("vbr.mp3"))),
                double(sonara::testing::expectedMilliseconds(vbr)), 60.0);
    sonara::testing::writeBytes(dir.file("junk.mp3"), std::vector<uint8_t>(3000, 1));
    EXPECT_EQ(probe.lengthMilliseconds(dir.file("junk.mp3")), 0);
    EXPECT_EQ(probe.lengthMilliseconds(dir.file("nothing.mp3")), 0);
    const auto wav = sonara::testing::makeWav(22050, 1, 2.0);
    sonara::testing::writeBytes(dir.file("tone.wav"), wav);
    EXPECT_NEAR(double(probe.lengthMilliseconds(dir.file("tone.wav"))), 2000.0, 1.0);
    EXPECT_EQ(engine.lengthProbe().state(), 0);
    EXPECT_EQ(outputs.lastDevice, -2);  // never played
}

}  // namespace
}  // namespace sonara::audio

namespace sonara::audio {
namespace {

TEST_F(PlayerHostTest, TheFastTimerFeedsTheDisplaysOnlyWhileTheWindowIsThere) {
    PlayerHost& engine = makeHost();
    engine.setDisplaysShown(true);
    const std::string tone = dir.file("tone.wav");
    sonara::testing::writeBytes(tone, sonara::testing::makeWav(44100, 2, 5.0));
    FakePlayList list(engine, {tone});
    engine.setPlayList(&list);
    CMMLevelX meter;
    engine.secondConnector().setFirstLevel(&meter);
    ASSERT_TRUE(list.playCurrent());
    ASSERT_TRUE(queue.runUntil([&] { return meter.level() > 0; }, 5s));

    // The window gone: the meter is no longer fed and stays where it was.
    engine.setDisplaysShown(false);
    queue.runFor(50ms);
    meter.reset();
    queue.runFor(200ms);
    EXPECT_EQ(meter.level(), 0);
    engine.secondConnector().setFirstLevel(nullptr);
    engine.stop();
}

}  // namespace
}  // namespace sonara::audio
