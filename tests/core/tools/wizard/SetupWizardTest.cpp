#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/tools/wizard/SetupWizard.h"
#include "core/tools/wizard/WizardPages.h"
#include "support/FakeDrives.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::FakeDrives;
using testing::ScriptedPrompter;
using testing::TempDir;

namespace fs = std::filesystem;

std::vector<WizardDrive> oneDrive(const std::string& root, int visited, int music) {
    return {WizardDrive{root, DriveKind::Fixed, "", true, visited, music}};
}

TEST(WizardReduce, SiblingsFoldIntoTheirParentButTheTopLevelNeedsAMajority) {
    // Two folders under one parent become that parent.
    EXPECT_EQ(reduceFolders({"/c/MP3/ROCK/", "/c/MP3/JAZZ/"}, oneDrive("/c/", 100, 2)),
              std::vector<std::string>{"/c/MP3/"});
    // Alone among 100 folders: the share is 1, the folder stays.
    EXPECT_EQ(reduceFolders({"/c/MUSIC/"}, oneDrive("/c/", 100, 1)),
              std::vector<std::string>{"/c/MUSIC/"});
    // Top-level folders fold into the drive only above 49 %.
    EXPECT_EQ(reduceFolders({"/c/A/", "/c/B/"}, oneDrive("/c/", 100, 60)),
              std::vector<std::string>{"/c/"});
    EXPECT_EQ(reduceFolders({"/c/A/", "/c/B/"}, oneDrive("/c/", 100, 49)),
              (std::vector<std::string>{"/c/A/", "/c/B/"}));
    // The case of a name is kept for the add; only comparisons ignore it.
    EXPECT_EQ(reduceFolders({"/c/Mp3/Rock/", "/c/MP3/jazz/"}, oneDrive("/c/", 100, 2)),
              std::vector<std::string>{"/c/Mp3/"});
}

TEST(WizardReduce, AFolderThatHoldsSongsAndSubFoldersIsAddedOnce) {
    const std::vector<std::string> found = {"/c/MP3/", "/c/MP3/ROCK/", "/c/MP3/JAZZ/", "/c/OTHER/"};
    EXPECT_EQ(reduceFolders(found, oneDrive("/c/", 100, 4)),
              (std::vector<std::string>{"/c/MP3/", "/c/OTHER/"}));
    // Never above the drive the folders were found on.
    EXPECT_EQ(reduceFolders({"/mnt/d/A/", "/mnt/d/B/"}, oneDrive("/mnt/d/", 2, 2)),
              std::vector<std::string>{"/mnt/d/"});
}

TEST(WizardTrash, RecycleBinsAndDesktopTrashAreRecognised) {
    EXPECT_TRUE(isTrashFolder("/c/RECYCLED/x/", ""));
    EXPECT_TRUE(isTrashFolder("/c/Recycled/", ""));
    EXPECT_TRUE(isTrashFolder("/c/$RECYCLE.BIN/S-1/", ""));
    EXPECT_TRUE(isTrashFolder("/mnt/d/.Trash-1000/files/", ""));
    EXPECT_TRUE(isTrashFolder("/mnt/d/.Trash/", ""));
    EXPECT_TRUE(isTrashFolder("/home/u/.local/share/Trash/files/", "/home/u"));
    EXPECT_FALSE(isTrashFolder("/c/RECYCLEDSONGS/", ""));
    EXPECT_FALSE(isTrashFolder("/home/v/.local/share/Trash/", "/home/u"));
}

TEST(WizardDrives, FixedDrivesAreCheckedNetworkDrivesOfferedAndRemovablesListedApart) {
    FakeDrives drives;
    drives.mount("/", DriveKind::Fixed, "System");
    drives.mount("/mnt/share/", DriveKind::Network, "Music");
    drives.mount("/media/stick/", DriveKind::Removable, "STICK");
    drives.mount("/media/cd/", DriveKind::CdRom, "DISC");
    const auto list = listSearchDrives(drives);
    ASSERT_EQ(list.size(), 2U);
    EXPECT_TRUE(list[0].checked);
    EXPECT_FALSE(list[1].checked);
    EXPECT_EQ(driveEntryText(list[0]), "  /   System");
    EXPECT_EQ(driveEntryText(list[1]), "  /mnt/share/   Music  (Network Drive)");
    const auto removable = listRemovableDrives(drives);
    ASSERT_EQ(removable.size(), 2U);
    EXPECT_FALSE(removable[0].checked || removable[1].checked);
    EXPECT_EQ(driveEntryText(removable[0]), "  /media/stick/   Removable");
    EXPECT_EQ(driveEntryText(removable[1]), "  /media/cd/   CD-Rom");
}

class WizardSearch : public ::testing::Test {
  protected:
    void song(const std::string& relative) {
        const fs::path file = dir.path() / relative;
        fs::create_directories(file.parent_path());
        testing::writeMp3(file, testing::songSpec(0.2));
    }
    std::string root() const { return dir.path().string() + "/"; }
    LibraryScope scope() { return {library, sources, cache, factory, drives, prompter}; }

    TempDir dir;
    Library library;
    SourcesList sources;
    PathCache cache;
    RecordFactory factory{nullptr, false};
    FakeDrives drives;
    ScriptedPrompter prompter;
};

TEST_F(WizardSearch, CountsFoldersSkipsTrashAndAddsTheReducedFolders) {
    song("MP3/ROCK/a.mp3");
    song("MP3/JAZZ/b.MP3");
    song("RECYCLED/old/c.mp3");
    song(".Trash-1000/files/d.mp3");
    fs::create_directories(dir.path() / "docs");
    fs::create_symlink(dir.path() / "MP3", dir.path() / "docs" / "again");
    std::vector<WizardDrive> list = oneDrive(root(), 0, 0);
    drives.mount(root(), DriveKind::Fixed);

    DriveSearchResult result;
    ASSERT_TRUE(prompter.runProgress("", "", [&](Progress& progress) {
        result = searchDrives(list, {}, progress);
        return true;
    }));
    // root, MP3, ROCK, JAZZ, RECYCLED, old, .Trash-1000, files, docs; the
    // link is not followed.
    EXPECT_EQ(list[0].foldersVisited, 9);
    EXPECT_EQ(list[0].musicFolders, 2);
    EXPECT_EQ(prompter.lastFileShown, "*.mp3");
    ASSERT_EQ(result.found.size(), 2U);
    const auto folders = reduceFolders(result.found, list);
    EXPECT_EQ(folders, std::vector<std::string>{root() + "MP3/"});

    LibraryScope libraryScope = scope();
    WizardAddResult added;
    prompter.runProgress("", "", [&](Progress& progress) {
        added = addWizardFolders(folders, libraryScope, false, progress);
        return added.ok;
    });
    EXPECT_TRUE(added.ok);
    EXPECT_EQ(added.added, 2);
    EXPECT_EQ(library.count(), 2U);
}

TEST_F(WizardSearch, SonarasOwnFoldersAreNeitherFoundNorFoldedInto) {
    song("MP3/a.mp3");
    song("data/Deleted MP3s/x.mp3");
    song("data/Backup/y.mp3");
    song("held/z.mp3");
    std::vector<WizardDrive> list = oneDrive(root(), 0, 0);
    const WizardSkips skips = WizardSkips::forSonara("", root() + "data", root() + "held/");
    DriveSearchResult result;
    prompter.runProgress("", "", [&](Progress& progress) {
        result = searchDrives(list, skips, progress);
        return true;
    });
    EXPECT_EQ(result.found, std::vector<std::string>{root() + "MP3/"});
    EXPECT_EQ(list[0].musicFolders, 1);
    EXPECT_EQ(list[0].foldersVisited, 6);
    EXPECT_FALSE(skips.skips(root() + "database/"));

    // Siblings do not fold into a parent that holds a holding folder.
    const std::vector<std::string> siblings = {root() + "M/Rock/", root() + "M/Jazz/"};
    const std::vector<WizardDrive> many = oneDrive(root(), 10, 9);
    EXPECT_EQ(reduceFolders(siblings, many), std::vector<std::string>{root() + "M/"});
    const WizardSkips holding = WizardSkips::forSonara("", root() + "data", root() + "M/Deleted");
    EXPECT_EQ(reduceFolders(siblings, many, holding), siblings);
}

TEST_F(WizardSearch, CancelResetsTheCountersAndFindsNothing) {
    song("A/a.mp3");
    song("B/b.mp3");
    std::vector<WizardDrive> list = oneDrive(root(), 0, 0);
    prompter.cancelAfterFiles(2);
    DriveSearchResult result;
    EXPECT_FALSE(prompter.runProgress("", "", [&](Progress& progress) {
        result = searchDrives(list, {}, progress);
        return !result.cancelled;
    }));
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.found.empty());
    EXPECT_EQ(list[0].foldersVisited, 0);
    EXPECT_EQ(list[0].musicFolders, 0);
}

TEST_F(WizardSearch, TheDrivesPageSearchesThenAddsUnlessCancelled) {
    song("MP3/ROCK/a.mp3");
    song("MP3/JAZZ/b.mp3");
    drives.mount(root(), DriveKind::Fixed);
    std::vector<WizardDrive> list = oneDrive(root(), 0, 0);
    LibraryScope libraryScope = scope();

    // Cancel pressed while the last folder is shown still cancels: nothing
    // is added and the counters start again.
    prompter.cancelAfterFiles(4);
    WizardSearchStep step = searchAndAddDrives(list, {}, libraryScope, false);
    EXPECT_TRUE(step.cancelled);
    EXPECT_EQ(list[0].foldersVisited, 0);
    EXPECT_EQ(library.count(), 0U);
    EXPECT_EQ(prompter.progressTitles, std::vector<std::string>{"Searching Drives"});

    prompter.cancelAfterFiles(-1);
    step = searchAndAddDrives(list, {}, libraryScope, false);
    EXPECT_FALSE(step.cancelled);
    EXPECT_EQ(step.folders, std::vector<std::string>{root() + "MP3/"});
    EXPECT_TRUE(step.added.ok);
    EXPECT_EQ(step.added.added, 2);
    EXPECT_EQ(library.count(), 2U);
    EXPECT_EQ(prompter.progressTitles.back(), "Adding folders");
}

TEST_F(WizardSearch, RemovableMediaNeedACheckedDriveAndANameEach) {
    song("disc/a.mp3");
    song("disc/b.mp3");
    drives.mount(root(), DriveKind::Removable);
    std::vector<WizardDrive> list = {WizardDrive{root(), DriveKind::Removable, "", false}};
    LibraryScope libraryScope = scope();
    EXPECT_EQ(addRemovableMedia(list, libraryScope, false), 0);
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(prompter.messages[0].rfind("Please select a removable drive to scan.", 0), 0U);

    list[0].checked = true;
    prompter.typeMediaName(std::nullopt);  // an unnamed medium ends the batch
    EXPECT_EQ(addRemovableMedia(list, libraryScope, false), 0);
    EXPECT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(library.count(), 0U);

    prompter.typeMediaName("Disc 1");
    EXPECT_EQ(addRemovableMedia(list, libraryScope, false), 2);
    EXPECT_EQ(prompter.messages.back(), "2 files added");
    EXPECT_EQ(library.count(), 2U);

    // A start from the menu asks before emptying a library that has songs.
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(resetLibraryForWizard(libraryScope));
    EXPECT_EQ(library.count(), 2U);
    prompter.answerNext(Answer::Yes);
    EXPECT_TRUE(resetLibraryForWizard(libraryScope));
    EXPECT_EQ(prompter.questions.back(),
              "This will reset your current library.  Do you wish to continue?");
    EXPECT_EQ(library.count(), 0U);
    EXPECT_EQ(sources.count(), 0U);
}

TEST(WizardFlow, PagesFollowTheSearchTheRemovableChoiceAndPrev) {
    ScriptedPrompter prompter;
    WizardPages pages;
    pages.start();
    EXPECT_EQ(pages.page(), 1);
    EXPECT_TRUE(pages.showsDriveList());
    EXPECT_FALSE(pages.showsRemovableQuestion());
    EXPECT_FALSE(pages.prevEnabled());

    // A cancelled search goes back to the drives; a finished one on.
    EXPECT_EQ(pages.next(false, prompter), WizardPages::Step::SearchDrives);
    pages.searchDone(true);
    EXPECT_EQ(pages.page(), 1);
    EXPECT_EQ(pages.next(false, prompter), WizardPages::Step::SearchDrives);
    pages.setBusy(true);
    EXPECT_FALSE(pages.prevEnabled());
    EXPECT_EQ(pages.next(false, prompter), WizardPages::Step::Stay);
    pages.setBusy(false);
    pages.searchDone(false);
    EXPECT_EQ(pages.page(), 3);
    EXPECT_TRUE(pages.showsRemovableQuestion());
    EXPECT_TRUE(pages.prevEnabled());

    // Yes lists the removable drives; one must be checked to go on.
    pages.setSearchRemovable(true);
    EXPECT_EQ(pages.next(false, prompter), WizardPages::Step::ListRemovable);
    EXPECT_EQ(pages.page(), 5);
    EXPECT_EQ(pages.next(false, prompter), WizardPages::Step::Stay);
    EXPECT_EQ(pages.page(), 5);
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(prompter.messages[0].rfind("Please select a removable drive to scan.", 0), 0U);
    EXPECT_EQ(pages.next(true, prompter), WizardPages::Step::Show);
    EXPECT_EQ(pages.page(), 6);
    EXPECT_TRUE(pages.showsInsertMedia());

    pages.prev();
    EXPECT_EQ(pages.page(), 5);
    pages.prev();
    EXPECT_EQ(pages.page(), 3);
    // No ends the wizard right after the drive search.
    pages.setSearchRemovable(false);
    EXPECT_EQ(pages.next(false, prompter), WizardPages::Step::Finish);
    EXPECT_EQ(pages.page(), 7);
    pages.prev();
    EXPECT_EQ(pages.page(), 6);
    pages.prev();
    pages.prev();
    pages.prev();
    EXPECT_EQ(pages.page(), 1);
}

TEST(WizardFlow, CancelAsksAndTheMenuStartTellsHowToComeBack) {
    ScriptedPrompter prompter;
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(WizardPages::confirmCancel(prompter));
    prompter.answerNext(Answer::Yes);
    EXPECT_TRUE(WizardPages::confirmCancel(prompter));
    EXPECT_EQ(prompter.questions.back(),
              "The Setup Wizard aids you in the initial setup of your library.\n\nAre you sure "
              "you would like to cancel?");
    WizardPages::tellCancelled(prompter);
    EXPECT_EQ(prompter.messages.back(),
              "You can launch the Setup Wizard from the Menu button at any time to reinitiallize "
              "your library.");
}

}  // namespace
}  // namespace sonara
