#include "audio/pulse/PulseOutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "audio/pulse/PulseOutputFactory.h"
#include "audio/pulse/PulseTestSupport.h"

namespace sonara::audio::pulse {
namespace {

using namespace std::chrono_literals;
using testing::stereoTone;

constexpr int kRate = 44100;
constexpr size_t kHalfSecond = kRate / 2 * 4;  // bytes

// Polls `condition` for up to ten seconds: audio on a busy machine is slow.
template <typename Condition>
bool eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The frames heard once the count has stopped moving (after a pause).
int64_t settledHeard(const AudioOutput& output) {
    int64_t last = output.framesHeard();
    for (int i = 0; i < 50; ++i) {
        std::this_thread::sleep_for(100ms);
        const int64_t now = output.framesHeard();
        if (now == last) {
            return now;
        }
        last = now;
    }
    return last;
}

class PulseOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SONARA_REQUIRE_PULSE_SERVER();
        output_ = PulseOutput::named("test");
        const Status status = output_->open(kRate, 2, kHalfSecond);
        ASSERT_TRUE(status) << status.error();
    }

    bool writeTone(size_t frames) {
        const auto samples = stereoTone(frames);
        return output_->write(samples.data(), frames);
    }

    std::unique_ptr<PulseOutput> output_;
};

TEST_F(PulseOutputTest, PlaysAndCountsEveryFrameHeardAfterDrain) {
    EXPECT_EQ(output_->sinkName(), "test");
    EXPECT_EQ(output_->framesHeard(), 0);
    ASSERT_TRUE(writeTone(kRate));  // more than the output holds: write() waits
    EXPECT_TRUE(eventually([&] { return output_->framesHeard() > 0; }));
    EXPECT_LE(output_->framesHeard(), kRate);
    output_->drain();
    EXPECT_EQ(output_->framesHeard(), kRate);
}

TEST_F(PulseOutputTest, FramesHeardNeverGoesBack) {
    ASSERT_TRUE(writeTone(kRate / 2));
    int64_t previous = 0;
    for (int i = 0; i < 30; ++i) {
        const int64_t heard = output_->framesHeard();
        EXPECT_GE(heard, previous);
        previous = heard;
        std::this_thread::sleep_for(5ms);
        ASSERT_TRUE(writeTone(kRate / 50));
    }
}

TEST_F(PulseOutputTest, PauseHoldsTheCountAndResumeGoesOn) {
    ASSERT_TRUE(writeTone(kRate));
    ASSERT_TRUE(eventually([&] { return output_->framesHeard() > 0; }));
    output_->pause(true);
    const int64_t held = settledHeard(*output_);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(output_->framesHeard(), held);
    EXPECT_LT(held, kRate);

    output_->pause(false);
    EXPECT_TRUE(eventually([&] { return output_->framesHeard() > held; }));
    output_->drain();
    EXPECT_EQ(output_->framesHeard(), kRate);
}

TEST_F(PulseOutputTest, FlushRestartsTheCount) {
    ASSERT_TRUE(writeTone(kRate));
    output_->flush();
    EXPECT_EQ(output_->framesHeard(), 0);
    ASSERT_TRUE(writeTone(kRate / 5));
    EXPECT_LE(output_->framesHeard(), kRate / 5);
    output_->drain();
    EXPECT_EQ(output_->framesHeard(), kRate / 5);
}

TEST_F(PulseOutputTest, FlushFromAnotherThreadEndsAWaitingWrite) {
    output_->pause(true);
    std::thread flusher([&] {
        std::this_thread::sleep_for(300ms);
        output_->flush();
    });
    // Paused, the stream fills and write() waits until the flush drops it.
    EXPECT_TRUE(writeTone(2 * kRate));
    flusher.join();
    EXPECT_EQ(output_->framesHeard(), 0);
}

TEST_F(PulseOutputTest, ReopensAfterClose) {
    ASSERT_TRUE(writeTone(kRate / 10));
    output_->close();
    EXPECT_FALSE(writeTone(10));
    const Status status = output_->open(22050, 1, 4096);
    ASSERT_TRUE(status) << status.error();
    EXPECT_EQ(output_->framesHeard(), 0);
    std::vector<int16_t> mono(2205, 1000);
    ASSERT_TRUE(output_->write(mono.data(), mono.size()));
    output_->drain();
    EXPECT_EQ(output_->framesHeard(), 2205);
}

TEST(PulseOutputServerLoss, WriteFailsPromptlyWhenTheServerDies) {
    SONARA_REQUIRE_PULSE_SERVER();
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.start());
    testing::ScopedEnvironment useIt("PULSE_SERVER", server.address());
    auto output = PulseOutput::named({});
    ASSERT_TRUE(output->open(kRate, 2, kHalfSecond));
    const auto samples = stereoTone(10 * kRate);
    ASSERT_TRUE(output->write(samples.data(), kRate / 10));

    std::thread killer([&] {
        std::this_thread::sleep_for(300ms);
        server.kill();
    });
    // Ten seconds of audio: write() can only return early by failing.
    EXPECT_FALSE(output->write(samples.data(), 10 * kRate));
    killer.join();
    EXPECT_FALSE(output->write(samples.data(), 10));
    output->drain();
    output->pause(true);
    output->flush();
    EXPECT_EQ(output->framesHeard(), 0);
    output->close();
}

TEST(PulseOutputServerLoss, AFrozenServerHangsNothing) {
    SONARA_REQUIRE_PULSE_SERVER();
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.start());
    testing::ScopedEnvironment useIt("PULSE_SERVER", server.address());
    auto output = PulseOutput::named({});
    ASSERT_TRUE(output->open(kRate, 2, kHalfSecond));
    const auto samples = stereoTone(10 * kRate);
    ASSERT_TRUE(output->write(samples.data(), kRate / 10));

    server.freeze();
    EXPECT_FALSE(output->write(samples.data(), 10 * kRate));
    output->drain();
    output->close();

    // A new connection is accepted by the socket but never answered.
    const Status status = PulseOutput::named({})->open(kRate, 2, kHalfSecond);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.error().rfind("WaveOutOpen: ", 0), 0u) << status.error();
    EXPECT_EQ(status.kind(), ErrorKind::Device);
}

TEST(PulseOutputOpen, AMissingSinkIsADeviceFailure) {
    SONARA_REQUIRE_PULSE_SERVER();
    auto output = PulseOutput::named("no-such-sink");
    const Status status = output->open(kRate, 2, kHalfSecond);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.error().rfind("WaveOutOpen: ", 0), 0u) << status.error();
    EXPECT_EQ(status.kind(), ErrorKind::Device);
}

TEST(PulseOutputOpen, AFormatTheServerCannotTakeIsADeviceFailure) {
    auto output = PulseOutput::named({});
    for (const auto& [rate, channels] : {std::pair{0, 2}, {kRate, 0}, {kRate, 300}}) {
        const Status status = output->open(rate, channels, kHalfSecond);
        EXPECT_FALSE(status);
        EXPECT_EQ(status.error().rfind("WaveOutOpen: ", 0), 0u) << status.error();
        EXPECT_EQ(status.kind(), ErrorKind::Device);
    }
}

TEST(PulseOutputFactory, NamesTheSinksInOrderAndOpensThem) {
    SONARA_REQUIRE_PULSE_SERVER();
    PulseOutputFactory factory;
    EXPECT_EQ(factory.deviceName(0), "Null Output");
    EXPECT_EQ(factory.deviceName(1), "");
    EXPECT_EQ(factory.deviceName(-1), "");

    for (int index : {0, 1, 19, -1}) {
        auto output = factory.create(index);
        const Status status = output->open(kRate, 2, kHalfSecond);
        EXPECT_TRUE(status) << index << ": " << status.error();
        EXPECT_EQ(static_cast<PulseOutput&>(*output).sinkName(), "test") << index;
    }
}

TEST(PulseWithoutServer, OpenFailsAndNoDeviceIsNamed) {
    testing::NoSoundServer noServer;
    PulseOutputFactory factory;
    EXPECT_EQ(factory.deviceName(0), "");
    auto output = factory.create(0);
    const Status status = output->open(kRate, 2, kHalfSecond);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.error().rfind("WaveOutOpen: ", 0), 0u) << status.error();
    EXPECT_EQ(status.kind(), ErrorKind::Device);
    // A failed output takes nothing and never waits.
    std::vector<int16_t> samples(200);
    EXPECT_FALSE(output->write(samples.data(), 100));
    output->pause(true);
    output->flush();
    output->drain();
    EXPECT_EQ(output->framesHeard(), 0);
}

}  // namespace
}  // namespace sonara::audio::pulse
