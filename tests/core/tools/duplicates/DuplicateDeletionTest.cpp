#include "core/tools/duplicates/DuplicateDeletion.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "core/app/StringTable.h"
#include "core/settings/Preferences.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TempDir;

// Two copies of "a.mp3" (the larger kept) found in `dir`/one and `dir`/two.
struct Pair {
    explicit Pair(const TempDir& dir) {
        for (const char* folder : {"one", "two"}) {
            fs::create_directories(dir.path() / folder);
        }
        testing::writeMp3(dir.path() / "one" / "a.mp3", testing::songSpec(4));
        testing::writeMp3(dir.path() / "two" / "a.mp3", testing::songSpec(3));
        entries = findDuplicates({dir.path().string()}, false, nullptr).entries;
    }
    std::string kept() const { return entries[0].path(); }
    std::string marked() const { return entries[1].path(); }
    std::vector<DuplicateEntry> entries;
};

Preferences holdingIn(const fs::path& folder) {
    Preferences prefs;
    prefs.copyDelFiles = 1;
    prefs.copyDelFilesToFolder = folder.string();
    return prefs;
}

TEST(DeleteDuplicates, CopiesIntoANewHoldingFolderThenDeletes) {
    TempDir dir;
    TempDir holdingRoot;
    Pair pair(dir);
    ASSERT_EQ(pair.entries.size(), 2u);
    const auto original = testing::readBytes(pair.marked());
    ScriptedPrompter prompter(Answer::Yes);
    const fs::path holding = holdingRoot.path() / "Deleted MP3s" / "deep";
    const DeletionResult result = deleteMarked(pair.entries, holdingIn(holding), prompter, nullptr);
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>{"Are you sure you want to delete the checked items?"});
    EXPECT_EQ(result.deleted, 1);
    EXPECT_FALSE(fs::exists(pair.marked()));
    EXPECT_TRUE(fs::exists(pair.kept()));
    EXPECT_EQ(testing::readBytes(holding / "a.mp3"), original);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(DeleteDuplicates, NoAnswerDeletesNothing) {
    TempDir dir;
    Pair pair(dir);
    ScriptedPrompter prompter(Answer::No);
    const DeletionResult result = deleteMarked(pair.entries, Preferences{}, prompter, nullptr);
    EXPECT_FALSE(result.asked);
    EXPECT_TRUE(fs::exists(pair.marked()));
}

TEST(DeleteDuplicates, NameClashInHoldingFolderTakesTheFirstFreeNumber) {
    TempDir dir;
    TempDir holding;
    Pair pair(dir);
    testing::writeText(holding.path() / "a.mp3", "older");
    testing::writeText(holding.path() / "a(0).mp3", "older still");
    ScriptedPrompter prompter(Answer::Yes);
    deleteMarked(pair.entries, holdingIn(holding.path()), prompter, nullptr);
    EXPECT_EQ(testing::readText(holding.path() / "a.mp3"), "older");
    EXPECT_EQ(testing::readText(holding.path() / "a(0).mp3"), "older still");
    EXPECT_TRUE(fs::exists(holding.path() / "a(1).mp3"));
    EXPECT_EQ(freeHoldingName(holding.path().string() + "/", "noext"), "noext");
    testing::writeText(holding.path() / "noext", "");
    EXPECT_EQ(freeHoldingName(holding.path().string() + "/", "noext"), "noext(0)");
}

TEST(DeleteDuplicates, ReadOnlyFileIsReportedAndStays) {
    TempDir dir;
    Pair pair(dir);
    fs::permissions(pair.marked(), fs::perms(0444));
    ScriptedPrompter prompter(Answer::Yes);
    const DeletionResult result = deleteMarked(pair.entries, Preferences{}, prompter, nullptr);
    EXPECT_EQ(result.failed, 1);
    EXPECT_TRUE(fs::exists(pair.marked()));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::DeleteFailed)});
}

TEST(DeleteDuplicates, FailedCopyKeepsTheOriginal) {
    TempDir dir;
    Pair pair(dir);
    testing::writeText(dir.path() / "blocker", "a file where the folder should be");
    ScriptedPrompter prompter(Answer::Yes);
    const DeletionResult result =
        deleteMarked(pair.entries, holdingIn(dir.path() / "blocker" / "held"), prompter, nullptr);
    EXPECT_EQ(result.deleted, 0);
    EXPECT_TRUE(fs::exists(pair.marked()));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{stringText(TextId::CopyFailedOriginalKept)});
}

TEST(DeleteDuplicates, CopyFailingHalfWayRemovesThePartialCopyAndKeepsTheOriginal) {
    TempDir dir;
    TempDir holding;
    Pair pair(dir);
    ASSERT_GT(fs::file_size(pair.marked()), 3 * 8192u);
    // A file-size limit stands in for a disk that fills during the copy.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 10000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ScriptedPrompter prompter(Answer::Yes);
    const DeletionResult result =
        deleteMarked(pair.entries, holdingIn(holding.path()), prompter, nullptr);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result.deleted, 0);
    EXPECT_TRUE(fs::exists(pair.marked()));
    EXPECT_TRUE(fs::is_empty(holding.path()));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{stringText(TextId::CopyFailedOriginalKept)});
}

TEST(DeleteDuplicates, NeverDeletesTheLastCopyOfAName) {
    TempDir dir;
    Pair pair(dir);
    for (DuplicateEntry& entry : pair.entries) {
        entry.marked = true;
    }
    ScriptedPrompter prompter(Answer::Yes);
    const DeletionResult result = deleteMarked(pair.entries, Preferences{}, prompter, nullptr);
    EXPECT_EQ(result.deleted, 1);
    EXPECT_EQ(result.lastCopies, 1);
    EXPECT_NE(fs::exists(pair.kept()), fs::exists(pair.marked()));
}

TEST(DeleteDuplicates, VanishedFileIsSkippedSilentlyAndTheRestGoOn) {
    TempDir dir;
    Pair pair(dir);
    fs::create_directories(dir.path() / "three");
    testing::writeMp3(dir.path() / "three" / "a.mp3", testing::songSpec(0.5));
    pair.entries = findDuplicates({dir.path().string()}, false, nullptr).entries;
    ASSERT_EQ(pair.entries.size(), 3u);
    fs::remove(pair.entries[1].path());
    ScriptedPrompter prompter(Answer::Yes);
    const DeletionResult result = deleteMarked(pair.entries, Preferences{}, prompter, nullptr);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(result.deleted, 1);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(fs::exists(pair.entries[0].path()));
}

TEST(DeleteDuplicates, CancelStopsBeforeTheNextFile) {
    TempDir dir;
    Pair pair(dir);
    ScriptedPrompter prompter(Answer::Yes);
    prompter.cancelAfterFiles(0);
    prompter.runProgress("", "", [&](Progress& progress) {
        deleteMarked(pair.entries, Preferences{}, prompter, &progress);
        return true;
    });
    EXPECT_TRUE(fs::exists(pair.marked()));
}

}  // namespace
}  // namespace sonara
