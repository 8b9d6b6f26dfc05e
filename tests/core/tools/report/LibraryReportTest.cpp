#include "core/tools/report/LibraryReport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/RecordBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TempDir;

class LibraryReportTest : public ::testing::Test {
  protected:
    const LibraryRecord* song(const std::string& artist, const std::string& title,
                              const std::string& file = "x.mp3") {
        owned.push_back(testing::makeRecord(file, artist, title));
        return owned.back().get();
    }
    std::vector<const LibraryRecord*> songs(int count) {
        std::vector<const LibraryRecord*> list;
        for (int i = 0; i < count; ++i) {
            list.push_back(song("A" + std::to_string(i), "T" + std::to_string(i)));
        }
        return list;
    }
    std::string text(const std::vector<const LibraryRecord*>& records, ReportOptions options) {
        return reportText(records, options, lookup);
    }

    TempDir dir;
    std::vector<std::unique_ptr<LibraryRecord>> owned;
    PathCache cache;
    SourcesList sources;
    ReportLookup lookup{cache, sources, NormaliseOptions{}};
};

TEST_F(LibraryReportTest, ColumnsAndDelimiters) {
    EXPECT_EQ(text(songs(2), {0, 0, 0}), "A0 - T0\r\nA1 - T1\r\n");
    EXPECT_EQ(text(songs(5), {0, 1, 2}), "A0 - T0\tA1 - T1\r\nA2 - T2\tA3 - T3\r\nA4 - T4\r\n");
    EXPECT_EQ(text(songs(3), {0, 2, 1}), "A0 - T0 A1 - T1 A2 - T2\r\n");
    // An unknown delimiter acts as a comma.
    EXPECT_EQ(text(songs(2), {0, 1, 7}), "A0 - T0,A1 - T1\r\n");
    EXPECT_EQ(text({}, {0, 0, 0}), "");
}

TEST_F(LibraryReportTest, PathNamesMediaAndNotFound) {
    const fs::path music = dir.path() / "music";
    fs::create_directories(music);
    testing::writeMp3(music / "here.mp3", testing::songSpec(0.1));
    sources.add(music.string() + "/", "");
    const LibraryRecord* here = song("A", "Here", "here.mp3");
    const LibraryRecord* gone = song("B", "Gone", "gone.mp3");
    LibraryRecord* onDisc = owned.emplace_back(std::make_unique<LibraryRecord>()).get();
    onDisc->setArtist("C");
    onDisc->setTitle("Disc");
    onDisc->setFileName("disc.mp3");
    onDisc->setMediaName("Party CD");

    EXPECT_EQ(text({here, gone, onDisc}, {1, 0, 0}),
              (music / "here.mp3").string() + "\r\nnot found\r\nParty CD\r\n");
    EXPECT_EQ(text({gone}, {2, 0, 1}), "B - Gone not found\r\n");
}

TEST_F(LibraryReportTest, ProgressFromTwentyOneRecordsAndHonestFailure) {
    ScriptedPrompter prompter;
    const std::string out = dir.file("report.txt");
    EXPECT_TRUE(writeReport(songs(20), {}, lookup, out, prompter).ok());
    EXPECT_TRUE(prompter.progressTitles.empty());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Report successfully generated."});
    EXPECT_TRUE(writeReport(songs(21), {}, lookup, out, prompter).ok());
    EXPECT_EQ(prompter.progressTitles.size(), 1u);
    EXPECT_EQ(testing::readText(out).substr(0, 9), "A0 - T0\r\n");

    ScriptedPrompter failing;
    const std::string nowhere = dir.file("missing/folder/report.txt");
    EXPECT_FALSE(writeReport(songs(2), {}, lookup, nowhere, failing).ok());
    ASSERT_EQ(failing.messages.size(), 1u);
    EXPECT_NE(failing.messages[0], "Report successfully generated.");
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(LibraryReportTest, CancelWritesNothingAndKeepsTheOldFile) {
    const std::string out = dir.file("report.txt");
    testing::writeText(out, "old report");
    ScriptedPrompter prompter;
    prompter.cancelAfterFiles(1);
    const Status written = writeReport(songs(40), {}, lookup, out, prompter);
    EXPECT_EQ(written.kind(), ErrorKind::Cancelled);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(testing::readText(out), "old report");
}

TEST_F(LibraryReportTest, ProposedNameSkipsExistingFilesAndIsStored) {
    EXPECT_EQ(proposeExportName(dir.path().string()), dir.file("export(0).txt"));
    testing::writeText(dir.path() / "export(0).txt", "");
    EXPECT_EQ(proposeExportName(dir.path().string()), dir.file("export(1).txt"));

    PreferenceStore store(dir.file("Sonara.ini"), dir.path().string());
    EXPECT_EQ(ensureExportName(store, dir.path().string()), dir.file("export(1).txt"));
    EXPECT_NE(testing::readText(dir.path() / "Sonara.ini").find("export(1).txt"),
              std::string::npos);
    store.values().exportFileName = "/elsewhere/mine.txt";
    EXPECT_EQ(ensureExportName(store, dir.path().string()), "/elsewhere/mine.txt");
}

}  // namespace
}  // namespace sonara
