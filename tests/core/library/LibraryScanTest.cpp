#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/LibraryScans.h"
#include "core/library/LocateRecordFile.h"
#include "core/library/PathCache.h"
#include "core/library/PathCacheFile.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"
#include "support/AsNobody.h"
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

class LibraryScan : public ::testing::Test {
  protected:
    LibraryScan() { drives.mount("/", DriveKind::Fixed); }

    std::string song(const std::string& relative) {
        const fs::path path = dir.path() / relative;
        fs::create_directories(path.parent_path());
        testing::writeMp3(path, testing::songSpec(0.2));
        return path.string();
    }
    std::string folder(const std::string& relative) const { return dir.file(relative) + "/"; }
    void source(const std::string& relative, const std::string& mediaName = "") {
        sources.append(SourceFolder{mediaName, folder(relative), 1, SourceFolder::kUnknown});
    }
    // A record made from the file at `path`, which the cache knows.
    void record(const std::string& path, const std::string& mediaName = "") {
        ASSERT_EQ(library.addSong(path, mediaName, factory).status, AddStatus::Added);
        cache.addFile(path);
    }
    LibraryUpdateResult update() { return runLibraryUpdate(scope); }
    std::string updateText() { return libraryUpdateText(update()); }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (size_t i = 0; i < library.count(); ++i) {
            all.emplace_back(library.at(i)->fileName());
        }
        std::sort(all.begin(), all.end());
        return all;
    }
    LibraryRecord& named(const std::string& fileName) {
        return *library.at(library.findByName(fileName));
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

TEST_F(LibraryScan, UpdateAddsEachMp3OnceThenDropsTheDeleted) {
    song("music/song.Mp3");
    song("music/.hidden.mp3");
    song("music/sub/dup.mp3");
    song("music/a.mp3/inner.MP3");  // a folder named like a song is walked, not added
    song("other/dup.mp3");
    testing::writeText(dir.path() / "music/notes.mp3.txt", "x");
    // Written without the trailing "/": walked as the folder it names.
    sources.append(SourceFolder{"", dir.file("music"), 1, SourceFolder::kUnknown});
    source("other");

    const LibraryUpdateResult first = update();
    EXPECT_TRUE(first.finished);
    EXPECT_EQ(libraryUpdateText(first), "4 files added. 0 files removed.");
    EXPECT_EQ(names(),
              (std::vector<std::string>{".hidden.mp3", "dup.mp3", "inner.MP3", "song.Mp3"}));
    EXPECT_EQ(prompter.progressTitles, std::vector<std::string>{"Updating Library"});
    EXPECT_EQ(prompter.progressTexts, std::vector<std::string>{"...scanning..."});
    // Of two files with one name the first source's stays.
    EXPECT_EQ(cache.at(cache.find("DUP.mp3").value()).fullPath, dir.file("music/sub/dup.mp3"));
    for (const PathCacheEntry& entry : cache.entries()) {
        EXPECT_EQ(entry.inLibrary, 1) << entry.fileName;
    }
    EXPECT_EQ(updateText(), "0 files added. 0 files removed.");

    fs::remove(dir.path() / "music/song.Mp3");
    fs::remove(dir.path() / "music/sub/dup.mp3");
    EXPECT_EQ(updateText(), "0 files added. 1 files removed.");
    // dup.mp3 is still in the other source: its record stays, found there.
    EXPECT_EQ(names(), (std::vector<std::string>{".hidden.mp3", "dup.mp3", "inner.MP3"}));
    EXPECT_EQ(cache.at(cache.find("dup.mp3").value()).fullPath, dir.file("other/dup.mp3"));
}

TEST_F(LibraryScan, UpdateLeavesNamedMediaAndSourcesOutsideItsMask) {
    record(song("stick/on-stick.mp3"));
    drives.mount(folder("stick"), DriveKind::Removable);
    source("stick");
    drives.mount(folder("ram"), DriveKind::RamDisk);
    record(song("ram/in-ram.mp3"));
    source("ram");
    ASSERT_EQ(library.addSong("/nowhere/on-disc.mp3", "Party Disc", factory).status,
              AddStatus::Added);
    song("music/new.mp3");
    source("music");

    EXPECT_EQ(updateText(), "1 files added. 0 files removed.");
    EXPECT_EQ(names(),
              (std::vector<std::string>{"in-ram.mp3", "new.mp3", "on-disc.mp3", "on-stick.mp3"}));
    EXPECT_EQ(cache.find("on-stick.mp3"),
              std::nullopt);  // only fixed and network sources are walked
}

TEST_F(LibraryScan, CancelledWalkRemovesNothingAndCancelledAddingStops) {
    for (int i = 0; i < 6; ++i) {
        song("music/cd" + std::to_string(i % 2) + "/track" + std::to_string(i) + ".mp3");
    }
    source("music");
    ASSERT_EQ(update().added, 6);

    prompter.cancelAfterFiles(prompter.filesShown + 2);
    const LibraryUpdateResult cancelled = update();
    EXPECT_FALSE(cancelled.finished);
    EXPECT_EQ(cancelled.removed, 0);
    EXPECT_EQ(library.count(), 6u);
    // The partial cache is still sorted.
    ASSERT_EQ(cache.count(), 2u);
    EXPECT_LT(text::compareNoCase(cache.at(0).fileName, cache.at(1).fileName), 0);

    for (int i = 0; i < 3; ++i) {
        song("music/new" + std::to_string(i) + ".mp3");
    }
    // Cancel while the first new song is added: it is the last one.
    prompter.cancelAfterFiles(prompter.filesShown + 9 + 1);
    const LibraryUpdateResult adding = update();
    EXPECT_FALSE(adding.finished);
    EXPECT_EQ(adding.added, 1);
    EXPECT_EQ(library.count(), 7u);
}

TEST_F(LibraryScan, AbsentSourceKeepsItsRecords) {
    song("music/a1.mp3");
    song("music/a2.mp3");
    song("disk/b1.mp3");
    song("disk/deep/b2.mp3");
    source("music");
    source("disk");
    ASSERT_EQ(update().added, 4);

    // The disk is unplugged while a song of the other source is deleted.
    fs::rename(dir.path() / "disk", dir.path() / "away");
    fs::remove(dir.path() / "music/a2.mp3");
    const LibraryUpdateResult unplugged = update();
    EXPECT_EQ(libraryUpdateText(unplugged), "0 files added. 1 files removed.");
    EXPECT_EQ(unplugged.unreachable, std::vector<std::string>{folder("disk")});
    EXPECT_EQ(names(), (std::vector<std::string>{"a1.mp3", "b1.mp3", "b2.mp3"}));
    EXPECT_EQ(sources.at(1).state, SourceFolder::kAbsent);

    // Back again, with one song gone meanwhile.
    fs::rename(dir.path() / "away", dir.path() / "disk");
    fs::remove(dir.path() / "disk/deep/b2.mp3");
    EXPECT_EQ(updateText(), "0 files added. 1 files removed.");
    EXPECT_EQ(names(), (std::vector<std::string>{"a1.mp3", "b1.mp3"}));
}

TEST_F(LibraryScan, UnreadableFolderKeepsItsRecords) {
    song("music/loose.mp3");
    song("music/locked/y.mp3");
    song("music/locked/inner/z.mp3");
    source("music");
    ASSERT_EQ(update().added, 3);
    fs::remove(dir.path() / "music/loose.mp3");
    {
        testing::AsNobody nobody(dir.path(), {dir.path() / "music/locked"});
        const LibraryUpdateResult result = update();
        EXPECT_EQ(libraryUpdateText(result), "0 files added. 1 files removed.");
        EXPECT_EQ(result.unreachable, std::vector<std::string>{folder("music/locked")});
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"y.mp3", "z.mp3"}));
}

TEST_F(LibraryScan, FileNeverSeenGoesOnlyWhenEverySourceWasRead) {
    ASSERT_EQ(library.addSong("/nowhere/ghost.mp3", "", factory).status, AddStatus::Added);
    song("music/here.mp3");
    source("music");
    source("unplugged");
    EXPECT_EQ(updateText(), "1 files added. 0 files removed.");

    sources.removeAt(1);
    EXPECT_EQ(updateText(), "0 files added. 1 files removed.");
    EXPECT_EQ(names(), std::vector<std::string>{"here.mp3"});
}

TEST_F(LibraryScan, FileOutsideEverySourceStaysUntilItsFolderLacksIt) {
    fs::create_directory(dir.path() / "music");
    source("music");
    record(song("loose/kept.mp3"));
    record(song("loose/deleted.mp3"));
    record(song("unmounted/share.mp3"));
    fs::remove(dir.path() / "loose/deleted.mp3");
    fs::remove_all(dir.path() / "unmounted");

    EXPECT_EQ(updateText(), "0 files added. 1 files removed.");
    EXPECT_EQ(names(), (std::vector<std::string>{"kept.mp3", "share.mp3"}));
}

TEST_F(LibraryScan, CheckMarksRecordsByWhatTheWalkFound) {
    song("music/here.mp3");
    song("disc/on-disc.mp3");
    drives.mount(folder("disc"), DriveKind::CdRom);
    source("music");
    source("disc", "Disc One");
    for (const char* name : {"here.mp3", "gone.mp3"}) {
        ASSERT_EQ(library.addSong(dir.file(std::string("music/") + name), "", factory).status,
                  AddStatus::Added);
    }
    for (const char* name : {"on-disc.mp3", "lost.mp3"}) {
        ASSERT_EQ(
            library.addSong(dir.file(std::string("disc/") + name), "Disc One", factory).status,
            AddStatus::Added);
    }

    AvailabilityResult all = checkAvailability(scope, false);
    EXPECT_TRUE(all.finished);
    EXPECT_EQ(prompter.progressTitles, std::vector<std::string>{"Checking Availability"});
    EXPECT_EQ(drives.refreshes, 1);
    EXPECT_EQ(named("here.mp3").availability, kAvailable);
    EXPECT_EQ(named("gone.mp3").availability, kMissing);
    EXPECT_EQ(named("on-disc.mp3").availability, kAvailable);
    EXPECT_EQ(named("lost.mp3").availability, kMissingOnMedia);
    EXPECT_EQ(all.available, 2);
    EXPECT_EQ(all.missing, 2);

    // Removable media only: records without a medium name keep their mark.
    named("gone.mp3").availability = kAvailabilityUnknown;
    fs::remove(dir.path() / "music/here.mp3");
    fs::remove(dir.path() / "disc/on-disc.mp3");
    checkAvailability(scope, true);
    EXPECT_EQ(named("here.mp3").availability, kAvailable);
    EXPECT_EQ(named("gone.mp3").availability, kAvailabilityUnknown);
    EXPECT_EQ(named("on-disc.mp3").availability, kMissingOnMedia);
}

TEST_F(LibraryScan, CancelledCheckLeavesTheUnreachedMarksAlone) {
    song("music/a.mp3");
    song("music/b.mp3");
    song("music/c.mp3");
    source("music");
    ASSERT_EQ(update().added, 3);
    for (size_t i = 0; i < library.count(); ++i) {
        library.at(i)->availability = kAvailable;
    }
    prompter.cancelAfterFiles(prompter.filesShown + 1);
    const AvailabilityResult result = checkAvailability(scope, false);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(result.available, 1);
    EXPECT_EQ(result.missing, 0);
    for (size_t i = 0; i < library.count(); ++i) {
        EXPECT_EQ(library.at(i)->availability, kAvailable);
    }
}

// Names a shell or a naive parser trips over, names in bytes that are not
// UTF-8, and a link back up the tree: every song is found once, survives a
// save and reload of the data files, and is found again on the disk.
TEST_F(LibraryScan, OddNamesAndLinkLoopsLoseNothingAcrossARestart) {
    const std::vector<std::string> odd = {
        "music/with blank.mp3",
        "music/it's \"quoted\".mp3",
        "music/Caf\xe9 Latin-1.mp3",
        "music/Ann\xe9"
        "e/deep.mp3",
        "music/-rf.mp3",
        "music/--help.mp3",
        "music/line\nbreak.mp3",
        "music/star*and?mark.mp3",
        "music/My Music/" + std::string(240, 'n') + ".mp3",
    };
    for (const std::string& path : odd) {
        song(path);
    }
    fs::create_directory_symlink(dir.path() / "music", dir.path() / "music/My Music/up");
    source("music");
    EXPECT_EQ(updateText(), std::to_string(odd.size()) + " files added. 0 files removed.");
    named(files::namePart(dir.file(odd[2]))).playCount = 7;

    // Save everything and start over from the files, as the next run does.
    const std::string libraryFile = dir.file("Sonara.dat");
    const std::string sourcesFile = dir.file("Config.dat");
    const std::string cacheFile = dir.file("DBCache.dat");
    ASSERT_TRUE(library_file::save(libraryFile, library, prompter));
    ASSERT_TRUE(sources_file::save(sourcesFile, sources, prompter));
    ASSERT_TRUE(path_cache_file::save(cacheFile, cache, prompter));
    library.clear();
    sources.clear();
    cache.clear();
    ASSERT_EQ(library_file::load(libraryFile, library), LoadOutcome::Loaded);
    ASSERT_EQ(sources_file::load(sourcesFile, sources), LoadOutcome::Loaded);
    ASSERT_EQ(path_cache_file::load(cacheFile, cache, prompter), LoadOutcome::Loaded);

    ASSERT_EQ(library.count(), odd.size());
    for (size_t i = 0; i < library.count(); ++i) {
        const auto path = locateRecordFile(*library.at(i), cache, sources, &prompter);
        ASSERT_TRUE(path) << library.at(i)->fileName();
        EXPECT_TRUE(fs::exists(*path));
    }
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(updateText(), "0 files added. 0 files removed.");
    EXPECT_EQ(library.count(), odd.size());
    EXPECT_EQ(named("Caf\xc3\xa9 Latin-1.mp3").playCount, 7);
    EXPECT_EQ(checkAvailability(scope, false).missing, 0);
}

TEST_F(LibraryScan, LocateFindsANameThatDiffersInCase) {
    song("music/deep/Song.MP3");
    source("music");
    LibraryRecord wanted;
    wanted.setFileName("song.mp3");
    cache.addFile(dir.file("old/place/song.mp3"));  // stale
    EXPECT_EQ(locateRecordFile(wanted, cache, sources, &prompter), dir.file("music/deep/Song.MP3"));
}

}  // namespace
}  // namespace sonara
