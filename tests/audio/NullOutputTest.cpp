#include "audio/NullOutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace sonara::audio {
namespace {

using namespace std::chrono_literals;

constexpr int kRate = 44100;
constexpr size_t kBuffer = kRate / 2 * 4;  // half a second of stereo

class NullOutputTest : public ::testing::Test {
  protected:
    bool write(AudioOutput& output, size_t frames) {
        samples_.assign(frames * 2, 0);
        return output.write(samples_.data(), frames);
    }
    std::vector<int16_t> samples_;
};

TEST_F(NullOutputTest, ConsumesInRealTimeAndDrainsToTheEnd) {
    NullOutput output;
    ASSERT_TRUE(output.open(kRate, 2, kBuffer));
    EXPECT_EQ(output.framesHeard(), 0);
    ASSERT_TRUE(write(output, kRate));  // twice what it holds: waits for room
    const int64_t heard = output.framesHeard();
    EXPECT_GT(heard, 0);
    EXPECT_LT(heard, kRate);
    output.drain();
    EXPECT_EQ(output.framesHeard(), kRate);
}

TEST_F(NullOutputTest, PauseKeepsThePosition) {
    NullOutput output;
    ASSERT_TRUE(output.open(kRate, 2, kBuffer));
    ASSERT_TRUE(write(output, kRate / 4));
    std::this_thread::sleep_for(50ms);
    output.pause(true);
    const int64_t held = output.framesHeard();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(output.framesHeard(), held);
    output.pause(false);
    output.drain();
    EXPECT_EQ(output.framesHeard(), kRate / 4);
}

TEST_F(NullOutputTest, AnUnderrunDoesNotCountSilenceAsHeard) {
    NullOutput output;
    ASSERT_TRUE(output.open(kRate, 2, kBuffer));
    ASSERT_TRUE(write(output, 441));
    std::this_thread::sleep_for(100ms);  // runs dry after 10 ms
    EXPECT_EQ(output.framesHeard(), 441);
    ASSERT_TRUE(write(output, kRate / 10));
    EXPECT_LT(output.framesHeard(), 441 + kRate / 10);
}

TEST_F(NullOutputTest, FlushRestartsTheCountAndEndsAWaitingWrite) {
    NullOutput output;
    ASSERT_TRUE(output.open(kRate, 2, kBuffer));
    output.pause(true);
    std::thread flusher([&] {
        std::this_thread::sleep_for(100ms);
        output.flush();
    });
    EXPECT_TRUE(write(output, kRate));  // paused: waits until the flush
    flusher.join();
    EXPECT_EQ(output.framesHeard(), 0);
    output.pause(false);
    ASSERT_TRUE(write(output, kRate / 10));
    output.drain();
    EXPECT_EQ(output.framesHeard(), kRate / 10);
}

TEST_F(NullOutputTest, UnpacedTakesEverythingAtOnce) {
    NullOutput output(NullOutput::Pace::Unpaced);
    ASSERT_TRUE(output.open(kRate, 2, kBuffer));
    ASSERT_TRUE(write(output, 60 * kRate));
    EXPECT_EQ(output.framesHeard(), 60 * kRate);
    output.flush();
    EXPECT_EQ(output.framesHeard(), 0);
}

TEST_F(NullOutputTest, RefusesWritesWhileClosedAndOddFormats) {
    NullOutput output;
    EXPECT_FALSE(write(output, 10));
    const Status status = output.open(0, 2, kBuffer);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.error().rfind("WaveOutOpen: ", 0), 0u);
    EXPECT_EQ(status.kind(), ErrorKind::Device);
    EXPECT_FALSE(output.open(kRate, 0, kBuffer));
    ASSERT_TRUE(output.open(kRate, 1, 0));
    samples_.assign(100, 0);
    EXPECT_TRUE(output.write(samples_.data(), 100));
    output.close();
    EXPECT_FALSE(output.write(samples_.data(), 100));
    output.drain();  // nothing to wait for
}

TEST(NullOutputFactory, OffersOneDevice) {
    NullOutputFactory factory(NullOutput::Pace::Unpaced);
    EXPECT_EQ(factory.deviceName(0), "Null output");
    EXPECT_EQ(factory.deviceName(1), "");
    auto output = factory.create(7);
    ASSERT_TRUE(output->open(kRate, 2, kBuffer));
    std::vector<int16_t> samples(2 * kRate);
    EXPECT_TRUE(output->write(samples.data(), kRate));
    EXPECT_EQ(output->framesHeard(), kRate);
}

}  // namespace
}  // namespace sonara::audio
