#include "audio/convert/WavConversion.h"

#include <gtest/gtest.h>

#include <functional>

#include "ConvertTestSupport.h"
#include "core/app/EventQueue.h"
#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"

namespace sonara::audio {
namespace {

using testing::Mp3Spec;
using testing::songSpec;
using testing::TempDir;

class Recorder final : public WavConversionListener {
  public:
    void statusChanged(const std::string& text) override {
        statuses.push_back(text);
        if (onStatus) {
            onStatus(text);
        }
    }
    void progressChanged(int percent) override { progress.push_back(percent); }
    void fileFailed(size_t index, const std::string&, const std::string& reason) override {
        failures.emplace_back(index, reason);
    }
    void finished(ConversionOutcome outcome, const std::string& text) override {
        outcomes.push_back(outcome);
        messages.push_back(text);
    }

    std::function<void(const std::string&)> onStatus;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    std::vector<std::pair<size_t, std::string>> failures;
    std::vector<ConversionOutcome> outcomes;
    std::vector<std::string> messages;
};

class WavConversionTest : public ::testing::Test {
  protected:
    WavConversionTest()
        : prompter(Answer::Yes),
          prefs(home.file("Sonara.ini"), home.path().string(), home.path().string()) {}

    std::string source(const std::string& name, const Mp3Spec& spec) {
        testing::writeMp3(music.path() / name, spec);
        return music.file(name);
    }
    // Runs a whole conversion of `sources` into `folder`.
    void convert(const std::vector<std::string>& sources, const std::string& folder, int jobs = 1) {
        conversion = std::make_unique<WavConversion>(queue, prompter, prefs, sources,
                                                     WavConversion::Options{jobs, 20});
        conversion->setListener(&recorder);
        started = conversion->start(folder);
        if (started.outcome == WavConversion::Start::Started) {
            ASSERT_TRUE(
                queue.runUntil([&] { return !recorder.outcomes.empty(); }, testing::kPatience));
            EXPECT_FALSE(conversion->converting());
        }
    }

    TempDir home;
    TempDir music;
    TempDir out;
    EventQueue queue;
    testing::ScriptedPrompter prompter;
    PreferenceStore prefs;
    Recorder recorder;
    std::unique_ptr<WavConversion> conversion;
    WavConversion::StartResult started;
};

TEST(WavTargetPath, ReplacesTheTextAfterTheLastDot) {
    EXPECT_EQ(WavConversion::targetPath("/w/", "/m/Song.mp3"), "/w/Song.wav");
    EXPECT_EQ(WavConversion::targetPath("/w/", "/m/a.b.MP3"), "/w/a.b.wav");
    EXPECT_EQ(WavConversion::targetPath("/w/", "/m.x/NoDot"), "/w/NoDot.wav");
    EXPECT_EQ(WavConversion::targetPath("/w/", "Song."), "/w/Song.wav");
    EXPECT_EQ(WavConversion::targetPath("/w/", "/m/.mp3"), "/w/.wav");
}

TEST_F(WavConversionTest, ConvertsIntoANewFolderAndRemembersIt) {
    const std::string folder = out.file("Wav");
    convert({source("Song.mp3", songSpec(2.5))}, folder);
    ASSERT_EQ(started.outcome, WavConversion::Start::Started);
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>{stringText(TextId::CreateFolderQuestion)});
    EXPECT_EQ(recorder.statuses, std::vector<std::string>{"File 1 of 1 : Song.mp3"});
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"File(s) converted successfully!"});
    EXPECT_TRUE(conversion->succeeded());
    EXPECT_FALSE(conversion->errorOccurred());

    const testing::WavContents wav = testing::readWav(folder + "/Song.wav");
    EXPECT_TRUE(wav.valid);
    EXPECT_EQ(wav.sampleRate, 44100);
    EXPECT_EQ(testing::filesIn(folder), std::set<std::string>{"Song.wav"});

    EXPECT_EQ(prefs.values().wavFilesFolder, folder + "/");
    PreferenceStore reread(home.file("Sonara.ini"), home.path().string());
    ASSERT_TRUE(reread.loadAll());
    EXPECT_EQ(reread.values().wavFilesFolder, folder + "/");
    EXPECT_EQ(conversion->folder(), folder + "/");
}

TEST_F(WavConversionTest, AFolderAnsweredNoConvertsNothing) {
    testing::ScriptedPrompter no(Answer::No);
    WavConversion declined(queue, no, prefs, {source("Song.mp3", songSpec(1))});
    declined.setListener(&recorder);
    const std::string folder = out.file("deep/new/folder");
    EXPECT_EQ(declined.start(folder).outcome, WavConversion::Start::Declined);
    queue.runFor(std::chrono::milliseconds(30));
    EXPECT_EQ(no.questions.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(out.file("deep")));
    EXPECT_TRUE(recorder.statuses.empty());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(declined.converting());
    EXPECT_EQ(prefs.values().wavFilesFolder, stringText(TextId::NoneSpecified));
}

TEST_F(WavConversionTest, AnExistingFolderIsNotAskedForAndEveryLevelIsMade) {
    convert({source("a.mp3", songSpec(1))}, out.path().string() + "/");
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(prefs.values().wavFilesFolder, out.path().string() + "/");

    recorder = Recorder();
    convert({source("a.mp3", songSpec(1))}, out.file("x/y/z"));
    EXPECT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(testing::readWav(out.file("x/y/z/a.wav")).valid);
}

TEST_F(WavConversionTest, ABadFolderFailsBeforeAnythingStarts) {
    convert({source("a.mp3", songSpec(1))}, "");
    EXPECT_EQ(started.outcome, WavConversion::Start::Failed);
    testing::writeText(out.file("plain"), "a file, not a folder");
    convert({source("a.mp3", songSpec(1))}, out.file("plain"));
    EXPECT_EQ(started.outcome, WavConversion::Start::Failed);
    EXPECT_NE(started.error.find("Unable to create the folder " + out.file("plain") + "/"),
              std::string::npos);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(WavConversionTest, ABrokenSourceIsCountedAndTheOthersStillConvert) {
    testing::writeBytes(music.file("broken.mp3"), std::vector<uint8_t>(5000, 0x5A));
    convert({source("one.mp3", songSpec(1)), music.file("broken.mp3"),
             source("three.mp3", songSpec(1, 64, 22050, false))},
            out.path().string());
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Some errors occured while converting files"});
    ASSERT_EQ(recorder.failures.size(), 1u);
    EXPECT_EQ(recorder.failures[0].first, 1u);
    EXPECT_EQ(recorder.statuses.size(), 3u);
    EXPECT_EQ(testing::filesIn(out.path()), (std::set<std::string>{"one.wav", "three.wav"}));
    EXPECT_EQ(testing::readWav(out.file("three.wav")).channels, 1);
}

TEST_F(WavConversionTest, OnlyFailuresAndAnEmptyListHaveTheirOwnMessages) {
    testing::writeText(music.file("text.mp3"), "not audio");
    convert({music.file("text.mp3"), music.file("missing.mp3")}, out.path().string());
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Some errors occured while converting files"});
    EXPECT_EQ(recorder.failures.size(), 2u);

    recorder = Recorder();
    convert({}, out.path().string());
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"At least one error occurred while converting file(s)"});
    EXPECT_TRUE(testing::filesIn(out.path()).empty());
}

TEST_F(WavConversionTest, CancellingWhenTheSecondFileStartsEndsTheConversion) {
    const std::vector<std::string> sources = {source("1.mp3", songSpec(1)),
                                              source("2.mp3", songSpec(180, 32)),
                                              source("3.mp3", songSpec(1))};
    recorder.onStatus = [&](const std::string& text) {
        if (text.rfind("File 2 of 3", 0) == 0) {
            conversion->cancel();
        }
    };
    convert(sources, out.path().string());
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"Conversion cancelled!"});
    EXPECT_TRUE(conversion->cancelled());
    EXPECT_EQ(recorder.statuses.size(), 2u);
    EXPECT_EQ(testing::filesIn(out.path()), std::set<std::string>{"1.wav"});
}

TEST_F(WavConversionTest, CancellingDuringTheSecondFileRemovesItsPartialWav) {
    const std::vector<std::string> sources = {source("1.mp3", songSpec(1)),
                                              source("2.mp3", songSpec(180, 32)),
                                              source("3.mp3", songSpec(1))};
    // Posted now, run once the second file is under way.
    recorder.onStatus = [&](const std::string& text) {
        if (text.rfind("File 2 of 3", 0) == 0) {
            queue.post([&] { conversion->cancel(); });
        }
    };
    convert(sources, out.path().string());
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"Conversion cancelled!"});
    EXPECT_EQ(recorder.statuses.size(), 2u);
    EXPECT_EQ(testing::filesIn(out.path()), std::set<std::string>{"1.wav"});
}

TEST_F(WavConversionTest, AnExistingTargetIsReplaced) {
    testing::writeText(out.file("Song.wav"), "an older file of the same name");
    convert({source("Song.mp3", songSpec(1.5))}, out.path().string());
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"File(s) converted successfully!"});
    EXPECT_TRUE(testing::readWav(out.file("Song.wav")).valid);
    EXPECT_EQ(testing::filesIn(out.path()), std::set<std::string>{"Song.wav"});
}

TEST_F(WavConversionTest, ParallelJobsWriteTheSameFilesInTheSameOrder) {
    std::vector<std::string> sources;
    for (int i = 0; i < 5; ++i) {
        sources.push_back(source("s" + std::to_string(i) + ".mp3", songSpec(1 + i * 0.7)));
    }
    TempDir serial;
    convert(sources, serial.path().string(), 1);
    const std::vector<std::string> serialStatuses = recorder.statuses;
    recorder = Recorder();
    convert(sources, out.path().string(), 3);
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"File(s) converted successfully!"});
    EXPECT_EQ(recorder.statuses, serialStatuses);
    EXPECT_EQ(recorder.statuses[4], "File 5 of 5 : s4.mp3");
    ASSERT_EQ(testing::filesIn(out.path()), testing::filesIn(serial.path()));
    for (const std::string& name : testing::filesIn(serial.path())) {
        EXPECT_EQ(testing::readBytes(out.path() / name), testing::readBytes(serial.path() / name))
            << name;
    }
}

TEST_F(WavConversionTest, ProgressStaysWithinItsRange) {
    convert({source("long.mp3", songSpec(120, 32))}, out.path().string());
    for (size_t k = 0; k < recorder.progress.size(); ++k) {
        EXPECT_GE(recorder.progress[k], k == 0 ? 0 : recorder.progress[k - 1]);
        EXPECT_LE(recorder.progress[k], 100);
    }
    // The timer is gone with the conversion: nothing ticks afterwards.
    const size_t ticks = recorder.progress.size();
    queue.runFor(std::chrono::milliseconds(60));
    EXPECT_EQ(recorder.progress.size(), ticks);
}

TEST_F(WavConversionTest, ADestroyedConversionLeavesNoPartialFile) {
    conversion = std::make_unique<WavConversion>(
        queue, prompter, prefs, std::vector{source("long.mp3", songSpec(300, 32))});
    conversion->setListener(&recorder);
    ASSERT_EQ(conversion->start(out.path().string()).outcome, WavConversion::Start::Started);
    queue.runUntil([&] { return !recorder.statuses.empty(); }, testing::kPatience);
    conversion.reset();
    queue.runFor(std::chrono::milliseconds(30));  // stale steps and events are dropped
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(testing::filesIn(out.path()).empty());
}

}  // namespace
}  // namespace sonara::audio
