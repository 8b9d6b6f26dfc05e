#include <gtest/gtest.h>

#include <filesystem>

#include "core/library/FolderAdd.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/MediaName.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/RemovableMediaModel.h"
#include "core/library/SourcesDialogModel.h"
#include "core/library/SourcesList.h"
#include "core/settings/Preferences.h"
#include "support/FakeDrives.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::FakeDrives;
using testing::ScriptedPrompter;
using testing::TempDir;

constexpr const char* kRequired = "You must specify a name for this removable media";
constexpr const char* kExists = "This removable media name already exists";

TEST(MediaName, RequiredNamesAndNamesTakenBySources) {
    SourcesList sources;
    sources.append(SourceFolder{"Party Disc", "/media/cd/", 0, SourceFolder::kUnknown});
    EXPECT_EQ(mediaNameProblem("", "", true, sources), kRequired);
    EXPECT_EQ(mediaNameProblem("", "", false, sources), "");
    EXPECT_EQ(mediaNameProblem("party DISC", "", true, sources), kExists);
    // Its own name, in another case, is no clash.
    EXPECT_EQ(mediaNameProblem("PARTY disc", "Party Disc", true, sources), "");
    EXPECT_EQ(mediaNameProblem("Other", "Party Disc", true, sources), "");

    ScriptedPrompter prompter;
    prompter.typeMediaName("");
    prompter.typeMediaName("Party Disc");
    prompter.typeMediaName("Holiday");
    EXPECT_EQ(askRemovableMediaName(prompter, "", true, sources), "Holiday");
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{kRequired, kExists}));
    EXPECT_EQ(askRemovableMediaName(prompter, "", true, sources), std::nullopt);  // Cancel
}

TEST(SourcesDialog, AddRefusesAFolderTwiceAndDeleteAsksNothing) {
    SourcesList sources;
    sources.append(SourceFolder{"", "", 0, SourceFolder::kUnknown});  // listed nowhere
    SourcesDialogModel dialog(sources);
    Preferences prefs;
    ScriptedPrompter prompter;

    EXPECT_EQ(dialog.add("/home/me/Music", prefs, prompter), SourcesDialogModel::AddOutcome::Added);
    EXPECT_EQ(prefs.lastUsedFolder, "/home/me/Music/");
    EXPECT_EQ(sources.at(1).userAdded, 1);
    EXPECT_EQ(dialog.add("/home/me/Jazz/", prefs, prompter), SourcesDialogModel::AddOutcome::Added);
    EXPECT_EQ(dialog.rows(), (std::vector<std::string>{"/home/me/Music/", "/home/me/Jazz/"}));

    EXPECT_EQ(dialog.add("/HOME/me/music", prefs, prompter),
              SourcesDialogModel::AddOutcome::AlreadyThere);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"You have added this folder previously"});
    EXPECT_EQ(prefs.lastUsedFolder, "/HOME/me/music/");
    EXPECT_EQ(dialog.add("", prefs, prompter), SourcesDialogModel::AddOutcome::Failed);
    EXPECT_EQ(prompter.messages.back(), "Failed to add source");

    EXPECT_TRUE(dialog.removeRow(0));
    EXPECT_EQ(dialog.rows(), std::vector<std::string>{"/home/me/Jazz/"});
    EXPECT_FALSE(dialog.removeRow(1));
    EXPECT_TRUE(prompter.questions.empty());
}

class RemovableMedia : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [file, medium] :
             std::vector<std::pair<std::string, std::string>>{{"a.mp3", "Disc A"},
                                                              {"b.mp3", "disc a"},
                                                              {"c.mp3", ""},
                                                              {"d.mp3", "Disc B"},
                                                              {"e.mp3", "Disc C"}}) {
            ASSERT_EQ(library.addSong("/nowhere/" + file, medium, factory).status,
                      AddStatus::Added);
        }
        sources.append(SourceFolder{"DISC A", "/media/a/", 0, SourceFolder::kUnknown});
        sources.append(SourceFolder{"Disc B", "/media/b/", 0, SourceFolder::kUnknown});
        sources.append(SourceFolder{"", "/music/", 1, SourceFolder::kUnknown});
    }
    std::string mediumOf(const std::string& file) {
        return std::string(library.at(library.findByName(file))->mediaName());
    }

    Library library;
    SourcesList sources;
    RecordFactory factory{nullptr, false};
    ScriptedPrompter prompter;
};

TEST_F(RemovableMedia, ListsEachNameOnceAndRenamesEverywhere) {
    RemovableMediaModel model(library, sources);
    EXPECT_EQ(model.names(), (std::vector<std::string>{"Disc A", "Disc B", "Disc C"}));
    EXPECT_EQ(model.selected(), 0u);

    prompter.typeMediaName("disc b");  // taken by a source
    prompter.typeMediaName("");
    prompter.typeMediaName("disc A");  // its own name in another case
    ASSERT_TRUE(model.edit(prompter));
    EXPECT_EQ(prompter.nameRequests, std::vector<std::string>{"Disc A"});
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{kExists, kRequired}));
    EXPECT_EQ(mediumOf("a.mp3"), "disc A");
    EXPECT_EQ(mediumOf("b.mp3"), "disc A");
    EXPECT_EQ(mediumOf("c.mp3"), "");
    EXPECT_EQ(sources.at(0).mediaName, "disc A");
    EXPECT_EQ(sources.at(2).mediaName, "");
    EXPECT_EQ(model.names()[model.selected().value()], "disc A");

    // A medium only records know can be renamed into: its records merge.
    model.select(model.indexOf("Disc C"));
    EXPECT_EQ(model.renameProblem("Disc B"), kExists);
    EXPECT_EQ(model.renameProblem("Disc D"), "");
    prompter.typeMediaName(std::nullopt);
    EXPECT_FALSE(model.edit(prompter));
    EXPECT_EQ(mediumOf("e.mp3"), "Disc C");
}

TEST_F(RemovableMedia, DeleteAsksThenRemovesRecordsAndSources) {
    RemovableMediaModel model(library, sources);
    model.select(1);
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(model.removeSelected(prompter));
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>{"Are you sure you want to delete this?"});
    EXPECT_FALSE(model.removedAny());
    EXPECT_EQ(library.count(), 5u);

    prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(model.removeSelected(prompter));
    EXPECT_TRUE(model.removedAny());
    EXPECT_EQ(library.findByName("d.mp3"), std::nullopt);
    EXPECT_EQ(sources.count(), 2u);
    EXPECT_EQ(model.names(), (std::vector<std::string>{"Disc A", "Disc C"}));
    EXPECT_EQ(model.selected(), 1u);  // the old place

    prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(model.removeSelected(prompter));
    EXPECT_EQ(model.selected(), 0u);  // the last one
    prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(model.removeSelected(prompter));
    EXPECT_FALSE(model.hasSelection());
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(sources.count(), 1u);  // the ordinary folder stays
    EXPECT_FALSE(model.removeSelected(prompter));

    Preferences prefs;
    EXPECT_EQ(model.choose(true, prefs), "");
    EXPECT_EQ(prefs.checkAvailAfterRemovableMediaSelection, 1);
}

class FolderAdd : public ::testing::Test {
  protected:
    FolderAdd() {
        drives.mount("/", DriveKind::Fixed);
        drives.mount(dir.file("stick") + "/", DriveKind::Removable);
        for (const char* path :
             {"music/one.mp3", "music/sub/two.mp3", "stick/three.mp3", "stick/deep/four.mp3"}) {
            fs::create_directories((dir.path() / path).parent_path());
            testing::writeMp3(dir.path() / path, testing::songSpec(0.2));
        }
    }
    FolderAddResult add(const std::string& folder, bool promptForName = false) {
        testing::ScriptedPrompter progressHost;
        FolderAddResult result;
        progressHost.runProgress("Adding folders", "", [&](Progress& progress) {
            result = addFolderToLibrary(dir.file(folder), scope, promptForName, progress);
            return result.ok;
        });
        return result;
    }
    std::string mediumOf(const std::string& file) {
        return std::string(library.at(library.findByName(file))->mediaName());
    }

    TempDir dir;
    FakeDrives drives;
    Library library;
    SourcesList sources;
    PathCache cache;
    RecordFactory factory{nullptr, false};
    ScriptedPrompter prompter;
    LibraryScope scope{library, sources, cache, factory, drives, prompter};
};

TEST_F(FolderAdd, FixedFolderJoinsWithoutAName) {
    const FolderAddResult result = add("music");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.added, 2);
    EXPECT_TRUE(prompter.nameRequests.empty());
    ASSERT_EQ(sources.count(), 1u);
    EXPECT_EQ(sources.at(0).folder, dir.file("music/"));
    EXPECT_EQ(sources.at(0).userAdded, 0);
    EXPECT_EQ(cache.at(cache.find("two.mp3").value()).fullPath, dir.file("music/sub/two.mp3"));
    EXPECT_EQ(add("music").added, 0);
    EXPECT_EQ(sources.count(), 1u);
}

TEST_F(FolderAdd, NameAskedForWithThePreferenceAndCancelAsksToGoOn) {
    prompter.typeMediaName("Collection");
    EXPECT_EQ(add("music/sub", true).added, 1);
    EXPECT_EQ(mediumOf("two.mp3"), "Collection");

    prompter.typeMediaName(std::nullopt);
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(add("music", true).ok);
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>{"Do you wish to continue adding songs?"});
    EXPECT_EQ(sources.count(), 1u);
    EXPECT_EQ(library.count(), 1u);

    prompter.typeMediaName(std::nullopt);
    prompter.answerNext(Answer::Yes);
    EXPECT_EQ(add("music", true).added, 1);
    EXPECT_EQ(mediumOf("one.mp3"), "");
}

TEST_F(FolderAdd, RemovableFolderNeedsANameAndCancelEndsIt) {
    prompter.typeMediaName(std::nullopt);
    EXPECT_FALSE(add("stick").ok);
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(sources.count(), 0u);

    prompter.typeMediaName("");
    prompter.typeMediaName("Stick");
    const FolderAddResult result = add("stick");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kRequired});
    EXPECT_EQ(mediumOf("four.mp3"), "Stick");
    EXPECT_EQ(sources.at(0).mediaName, "Stick");
}

TEST_F(FolderAdd, CancelReportsFailureAndKeepsWhatWasAdded) {
    const auto addCancelledAfter = [&](long files) {
        ScriptedPrompter progressHost;
        progressHost.cancelAfterFiles(files);
        FolderAddResult result;
        EXPECT_FALSE(progressHost.runProgress("Adding folders", "", [&](Progress& progress) {
            result = addFolderToLibrary(dir.file("music"), scope, false, progress);
            return result.ok;
        }));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.cancelled);
        return result.added;
    };
    EXPECT_EQ(addCancelledAfter(1), 0);  // while walking: nothing is added
    // Two files walked, then Cancel while the first is added.
    EXPECT_EQ(addCancelledAfter(3), 1);
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(cache.count(), 1u);
}

}  // namespace
}  // namespace sonara
