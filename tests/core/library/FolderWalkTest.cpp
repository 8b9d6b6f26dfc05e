#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <filesystem>

#include "core/library/FileDeletion.h"
#include "core/library/FolderWalk.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LocateRecordFile.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "support/AsNobody.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TempDir;
using testing::writeText;

std::vector<std::string> walkNames(const std::string& folder, WalkResult* result = nullptr) {
    std::vector<std::string> names;
    const WalkResult r = walkFolder(folder, "*.MP3", [&](const std::string& path) {
        names.push_back(path.substr(folder.size()));
        return true;
    });
    if (result != nullptr) {
        *result = r;
    }
    return names;
}

TEST(FolderWalk, MatchesMp3NamesIgnoringCaseHiddenIncluded) {
    TempDir dir;
    for (const char* name : {"song.Mp3", "SONG2.MP3", ".hidden.mp3", "song.mp3.txt", "notes"}) {
        writeText(dir.path() / name, "x");
    }
    fs::create_directory(dir.path() / "a.mp3");  // a folder, not a file
    auto names = walkNames(dir.path().string() + "/");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".hidden.mp3", "SONG2.MP3", "song.Mp3"}));
}

TEST(FolderWalk, FilesBeforeSubFoldersDepthFirst) {
    TempDir dir;
    fs::create_directories(dir.path() / "sub" / "deeper");
    writeText(dir.path() / "sub" / "deeper" / "c.mp3", "x");
    writeText(dir.path() / "sub" / "b.mp3", "x");
    writeText(dir.path() / "a.mp3", "x");
    // Without the trailing slash the folder is the same folder.
    const auto names = walkNames(dir.path().string());
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "/a.mp3");
    EXPECT_EQ(names[1], "/sub/b.mp3");
    EXPECT_EQ(names[2], "/sub/deeper/c.mp3");
}

TEST(FolderWalk, LinkLoopsEndAndDanglingLinksArePassedOver) {
    TempDir dir;
    fs::create_directories(dir.path() / "music" / "inner");
    writeText(dir.path() / "music" / "inner" / "x.mp3", "x");
    fs::create_directory_symlink(dir.path() / "music", dir.path() / "music" / "inner" / "loop");
    fs::create_symlink(dir.path() / "gone.mp3", dir.path() / "music" / "dangling.mp3");
    WalkResult result;
    const auto names = walkNames(dir.file("music/"), &result);
    EXPECT_EQ(names, std::vector<std::string>{"inner/x.mp3"});
    EXPECT_FALSE(result.cancelled);
}

TEST(FolderWalk, MissingFolderIsIncompleteAndCancelStops) {
    WalkResult result;
    EXPECT_TRUE(walkNames("/nonexistent/folder/", &result).empty());
    EXPECT_TRUE(result.incomplete);

    TempDir dir;
    for (int i = 0; i < 5; ++i) {
        writeText(dir.path() / ("s" + std::to_string(i) + ".mp3"), "x");
    }
    std::atomic<bool> cancel{false};
    int seen = 0;
    const WalkResult r = walkFolder(
        dir.path().string(), "*.mp3",
        [&](const std::string&) {
            cancel = ++seen == 2;
            return true;
        },
        &cancel);
    EXPECT_EQ(seen, 2);
    EXPECT_TRUE(r.cancelled);
}

TEST(FolderWalk, UnreadFoldersAreNamedAndTheRestIsWalked) {
    WalkResult missing;
    walkNames("/nonexistent/folder", &missing);
    EXPECT_EQ(missing.unreadFolders, std::vector<std::string>{"/nonexistent/folder/"});

    TempDir dir;
    fs::create_directories(dir.path() / "locked" / "inner");
    writeText(dir.path() / "locked" / "inner" / "hidden.mp3", "x");
    writeText(dir.path() / "open.mp3", "x");
    WalkResult result;
    std::vector<std::string> names;
    {
        testing::AsNobody nobody(dir.path(), {dir.path() / "locked"});
        names = walkNames(dir.path().string() + "/", &result);
    }
    EXPECT_EQ(names, std::vector<std::string>{"open.mp3"});
    EXPECT_TRUE(result.incomplete);
    EXPECT_EQ(result.unreadFolders, std::vector<std::string>{dir.file("locked/")});
}

std::vector<std::string> walkWith(const std::string& folder, const WalkOptions& options) {
    std::vector<std::string> names;
    walkFolder(folder, options, [&](const std::string& path) {
        names.push_back(path.substr(folder.size()));
        return true;
    });
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FolderWalk, LinksAreFollowedOnlyWhenAsked) {
    TempDir dir;
    fs::create_directories(dir.path() / "real");
    writeText(dir.path() / "real" / "a.mp3", "x");
    fs::create_directories(dir.path() / "other");
    writeText(dir.path() / "other" / "c.mp3", "x");
    fs::create_directory_symlink(dir.path() / "other", dir.path() / "real" / "linked");
    fs::create_symlink(dir.path() / "other" / "c.mp3", dir.path() / "real" / "b.mp3");
    const std::string start = dir.file("real/");
    WalkOptions options;
    EXPECT_EQ(walkWith(start, options),
              (std::vector<std::string>{"a.mp3", "b.mp3", "linked/c.mp3"}));
    options.followLinks = false;
    EXPECT_EQ(walkWith(start, options), std::vector<std::string>{"a.mp3"});
}

TEST(FolderWalk, OneFilesystemPassesOverOtherMounts) {
    TempDir dir;
    const fs::path elsewhere = "/dev/shm";
    struct stat here {
    }, there{};
    if (::stat(dir.path().c_str(), &here) != 0 || ::stat(elsewhere.c_str(), &there) != 0 ||
        here.st_dev == there.st_dev) {
        GTEST_SKIP() << "no second filesystem to walk into";
    }
    const fs::path away = elsewhere / (dir.path().filename().string() + "-away");
    fs::create_directories(away);
    writeText(away / "far.mp3", "x");
    writeText(dir.path() / "near.mp3", "x");
    fs::create_directory_symlink(away, dir.path() / "away");
    WalkOptions options;
    EXPECT_EQ(walkWith(dir.path().string() + "/", options),
              (std::vector<std::string>{"away/far.mp3", "near.mp3"}));
    options.oneFilesystem = true;
    EXPECT_EQ(walkWith(dir.path().string() + "/", options), std::vector<std::string>{"near.mp3"});
    fs::remove_all(away);
}

TEST(FolderWalk, FoldersAreShownInWalkOrderAndMaySkipOrStop) {
    TempDir dir;
    fs::create_directories(dir.path() / "a" / "deep");
    fs::create_directories(dir.path() / "b");
    fs::create_directories(dir.path() / "locked");
    writeText(dir.path() / "a" / "deep" / "x.mp3", "x");
    writeText(dir.path() / "b" / "y.mp3", "x");
    const std::string start = dir.path().string() + "/";
    std::vector<std::string> shown;
    WalkOptions options;
    options.folder = [&](const std::string& folder) {
        shown.push_back(folder.substr(start.size()));
        return folder == start + "a/" ? FolderStep::Skip : FolderStep::Enter;
    };
    std::vector<std::string> names;
    {
        testing::AsNobody nobody(dir.path(), {dir.path() / "locked"});
        names = walkWith(start, options);
    }
    EXPECT_EQ(names, std::vector<std::string>{"b/y.mp3"});
    std::sort(shown.begin() + 1, shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"", "a/", "b/", "locked/"}));

    options.folder = [](const std::string&) { return FolderStep::Stop; };
    WalkResult stopped = walkFolder(start, options, [](const std::string&) { return true; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.filesVisited, 0);
}

TEST(FolderWalk, AListingNamesSubFoldersWithoutEnteringThem) {
    TempDir dir;
    fs::create_directories(dir.path() / "sub");
    writeText(dir.path() / "sub" / "deep.mp3", "x");
    writeText(dir.path() / "top.MP3", "x");
    std::vector<std::string> files;
    std::vector<std::string> folders;
    listFolder(
        dir.path().string(), "*.mp3",
        [&](const std::string& path) {
            files.push_back(path);
            return true;
        },
        [&](const std::string& folder) { folders.push_back(folder); });
    EXPECT_EQ(files, std::vector<std::string>{dir.file("top.MP3")});
    EXPECT_EQ(folders, std::vector<std::string>{dir.file("sub/")});
}

TEST(FolderWalk, PatternsWithWildcardsAndSeparators) {
    EXPECT_TRUE(matchesPattern("a.mp3", "*.MP3"));
    EXPECT_TRUE(matchesPattern("a.MP2", "*.mp3;*.mp2"));
    EXPECT_TRUE(matchesPattern("tr01.mp3", "tr??.mp3"));
    EXPECT_FALSE(matchesPattern("tr1.mp3", "tr??.mp3"));
    EXPECT_FALSE(matchesPattern("a.mp3x", "*.mp3"));
    EXPECT_TRUE(matchesPattern(".mp3", "*.mp3"));
}

TEST(LocateRecordFile, CacheThenSourcesThenMessages) {
    TempDir dir;
    fs::create_directories(dir.path() / "src" / "deep");
    writeText(dir.path() / "src" / "deep" / "song.mp3", "x");
    LibraryRecord record;
    record.setFileName("song.mp3");
    PathCache cache;
    SourcesList sources;
    ScriptedPrompter prompter;

    cache.addFile("/stale/place/song.mp3");  // cached path no longer exists
    EXPECT_FALSE(locateRecordFile(record, cache, sources, &prompter));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Unable to find file."});

    sources.add(dir.file("src"), "");
    EXPECT_EQ(locateRecordFile(record, cache, sources, &prompter), dir.file("src/deep/song.mp3"));

    record.setFileName("other.mp3");
    record.setMediaName("Party Disc");
    prompter.messages.clear();
    EXPECT_FALSE(locateRecordFile(record, cache, sources, &prompter));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{
                  "Removable media not found:  Party Disc \nPlease insert and try again "});
    // Without a prompter nothing is said.
    prompter.messages.clear();
    EXPECT_FALSE(locateRecordFile(record, cache, sources, nullptr));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(FileDeletion, MessagesForMissingAndReadOnlyFiles) {
    TempDir dir;
    ScriptedPrompter prompter;
    EXPECT_FALSE(deleteFileFromDisk(dir.file("none.mp3"), prompter));
    EXPECT_EQ(prompter.messages.back(), "Unable to find " + dir.file("none.mp3"));

    const std::string file = dir.file("ro.mp3");
    writeText(file, "x");
    fs::permissions(file, fs::perms::owner_read);
    prompter.answerNext(Answer::Cancel);
    EXPECT_FALSE(deleteFileFromDisk(file, prompter));
    EXPECT_EQ(prompter.questions.back(), file + " is readonly.  Delete this file anyway?");
    EXPECT_EQ(prompter.messages.back(),
              "Unable to change file attributes, it may be on read-only media");
    EXPECT_TRUE(fs::exists(file));

    prompter.answerNext(Answer::Yes);
    EXPECT_TRUE(deleteFileFromDisk(file, prompter));
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace sonara
