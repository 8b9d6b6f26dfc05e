#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <vector>

#include "ConvertTestSupport.h"
#include "audio/convert/CMMMPEGFileX.h"
#include "audio/convert/CMMTriggerX.h"
#include "audio/convert/CMMWaveFileX.h"
#include "core/app/EventQueue.h"
#include "support/Mp3Fixture.h"

namespace sonara::audio {
namespace {

using testing::Mp3Spec;
using testing::songSpec;
using testing::TempDir;

// A source that fails after a few blocks, as a damaged file does.
class FailingSource final : public AudioSource {
  public:
    int sampleRate() const override { return 44100; }
    int channels() const override { return 2; }
    Result<size_t> readFrames(int16_t* out, size_t frames) override {
        if (blocks_++ == 3) {
            return Result<size_t>::failure(ErrorKind::Damaged, lastError());
        }
        std::fill_n(out, frames * 2, int16_t(100));
        return frames;
    }
    std::string lastError() const override { return "broken frame data"; }

  private:
    int blocks_ = 0;
};

class ComponentsTest : public ::testing::Test {
  protected:
    ComponentsTest() : trigger(queue) {
        reader.setOutput(&writer.waveObject());
        writer.setInput(&reader);
        trigger.setInput(&reader);
        trigger.onEndOfFile = [this] { ++ends; };
        trigger.onError = [this](const std::string& reason) { errors.push_back(reason); };
    }
    bool runToEvent() {
        return queue.runUntil([this] { return ends + errors.size() > 0; }, testing::kPatience);
    }

    TempDir dir;
    EventQueue queue;
    CMMMPEGFileX reader;
    CMMWaveFileX writer;
    CMMTriggerX trigger;
    int ends = 0;
    std::vector<std::string> errors;
};

TEST_F(ComponentsTest, ConvertsToA16BitWavInTheSourcesFormat) {
    for (const Mp3Spec& spec : {songSpec(3.3, 128, 44100, true), songSpec(2.1, 32, 22050, false)}) {
        SCOPED_TRACE(spec.sampleRate);
        testing::writeMp3(dir.file("in.mp3"), spec);
        ASSERT_TRUE(reader.setFileName(dir.file("in.mp3")));
        const int64_t frames = openDecoder(dir.file("in.mp3")).value()->info().lengthFrames;
        EXPECT_EQ(reader.positionMs(), 0);
        EXPECT_EQ(reader.lengthMs(), frames * 1000 / spec.sampleRate);
        writer.setFileName(dir.file("out.wav"));
        ends = 0;
        ASSERT_TRUE(trigger.start());
        ASSERT_TRUE(runToEvent());
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(errors.empty());
        EXPECT_FALSE(trigger.running());
        EXPECT_EQ(reader.positionMs(), reader.lengthMs());

        const testing::WavContents wav = testing::readWav(dir.file("out.wav"));
        ASSERT_TRUE(wav.valid);
        EXPECT_EQ(wav.sampleRate, spec.sampleRate);
        EXPECT_EQ(wav.channels, spec.stereo ? 2 : 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_EQ(wav.frames, frames);
        EXPECT_EQ(wav.dataBytes, uint32_t(frames * wav.channels * 2));
        EXPECT_EQ(testing::filesIn(dir.path()), (std::set<std::string>{"in.mp3", "out.wav"}));
    }
}

TEST_F(ComponentsTest, TheReaderTellsWhyAFileWillNotOpenAndTheTriggerWillNotStart) {
    testing::writeText(dir.file("bad.mp3"), "this is text, not audio");
    const Status opened = reader.setFileName(dir.file("bad.mp3"));
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.error().find("not MPEG audio"), std::string::npos);
    EXPECT_EQ(reader.lengthMs(), 0);
    writer.setFileName(dir.file("out.wav"));
    EXPECT_FALSE(trigger.start());
    EXPECT_FALSE(trigger.running());

    CMMTriggerX unconnected(queue);
    EXPECT_FALSE(unconnected.start());
    EXPECT_EQ(testing::filesIn(dir.path()), std::set<std::string>{"bad.mp3"});
}

TEST_F(ComponentsTest, AStoppedRunLeavesNoFileAndRaisesNoEvent) {
    testing::writeMp3(dir.file("long.mp3"), songSpec(600, 32, 44100, true));
    testing::writeText(dir.file("out.wav"), "the old file");
    ASSERT_TRUE(reader.setFileName(dir.file("long.mp3")));
    writer.setFileName(dir.file("out.wav"));
    ASSERT_TRUE(trigger.start());
    trigger.stop();
    EXPECT_FALSE(trigger.running());
    queue.runFor(std::chrono::milliseconds(50));
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(testing::readText(dir.file("out.wav")), "the old file");
    EXPECT_EQ(testing::filesIn(dir.path()), (std::set<std::string>{"long.mp3", "out.wav"}));

    // The same components run again after a stop.
    testing::writeMp3(dir.file("short.mp3"), songSpec(1, 128, 44100, true));
    ASSERT_TRUE(reader.setFileName(dir.file("short.mp3")));
    ASSERT_TRUE(trigger.start());
    ASSERT_TRUE(runToEvent());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(testing::readWav(dir.file("out.wav")).valid);
}

TEST_F(ComponentsTest, ADecodingErrorMidwayLeavesNoPartialWav) {
    FailingSource source;
    trigger.setInput(&source);
    trigger.setOutput(&writer);
    writer.setFileName(dir.file("out.wav"));
    ASSERT_TRUE(trigger.start());
    ASSERT_TRUE(runToEvent());
    EXPECT_EQ(ends, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "broken frame data");
    EXPECT_TRUE(testing::filesIn(dir.path()).empty());
}

TEST_F(ComponentsTest, AFullDiskIsAnErrorAndKeepsTheOldTarget) {
    testing::writeMp3(dir.file("in.mp3"), songSpec(5, 128, 44100, true));
    testing::writeText(dir.file("out.wav"), "the old file");
    ASSERT_TRUE(reader.setFileName(dir.file("in.mp3")));
    writer.setFileName(dir.file("out.wav"));

    // A file size limit fails writes the way a full disk does (EFBIG for ENOSPC).
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ASSERT_TRUE(trigger.start());
    const bool answered = runToEvent();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    ASSERT_TRUE(answered);
    EXPECT_EQ(ends, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Unable to write " + dir.file("out.wav")), std::string::npos)
        << errors[0];
    EXPECT_EQ(testing::readText(dir.file("out.wav")), "the old file");
    EXPECT_EQ(testing::filesIn(dir.path()), (std::set<std::string>{"in.mp3", "out.wav"}));
}

}  // namespace
}  // namespace sonara::audio
