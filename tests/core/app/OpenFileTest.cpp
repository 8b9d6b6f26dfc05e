#include "core/app/OpenFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/app/OpenFileEngines.h"
#include "core/playlist/SongOpener.h"
#include "support/FakeDrives.h"
#include "support/PlayListFixture.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

// Records every call as "kind path".
class RecordingActions final : public OpenFileActions {
  public:
    void applySkinPointer(const std::string& path) override { calls.push_back("skin " + path); }
    void openSong(const std::string& path) override { calls.push_back("song " + path); }
    void loadPlayList(const std::string& path) override { calls.push_back("list " + path); }
    void bringWindowForward() override { ++forwards; }

    std::vector<std::string> calls;
    int forwards = 0;
};

TEST(OpenFile, RoutesByTheLastThreeCharactersIgnoringCase) {
    struct Case {
        const char* path;
        const char* call;  // nullptr: nothing opened
    };
    const Case cases[] = {
        {"/m/a.mp3", "song /m/a.mp3"},
        {"/m/A.MP3", "song /m/A.MP3"},
        {"/m/b.Mp3", "song /m/b.Mp3"},
        {"/s/Blue.SNX", "skin /s/Blue.SNX"},
        {"/l/LIST.M3U", "list /l/LIST.M3U"},
        {"/l/mine.snl", "list /l/mine.snl"},
        {"mp3", "song mp3"},  // only the last three characters count
        {"/m/a.mp3.bak", nullptr},
        {"/m/a.mp3 ", nullptr},
        {"/m/a.wav", nullptr},
        {"/m/a.pls", nullptr},
        {"/m/folder/", nullptr},
        {"p3", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        RecordingActions actions;
        const OpenedKind kind = openFile(c.path, actions);
        if (c.call == nullptr) {
            EXPECT_EQ(kind, OpenedKind::None) << c.path;
            EXPECT_TRUE(actions.calls.empty()) << c.path;
            EXPECT_EQ(actions.forwards, 0) << c.path;
        } else {
            EXPECT_NE(kind, OpenedKind::None) << c.path;
            EXPECT_EQ(actions.calls, std::vector<std::string>{c.call}) << c.path;
            EXPECT_EQ(actions.forwards, 1) << c.path;  // after the file, not before
        }
    }
}

TEST(OpenFile, CommandLineArgumentsOpenEachInOrderAndOnlyOnce) {
    CommandLineFiles line({"a.mp3", "", "/l/LIST.m3u", "../s/x.snx", "notes.txt", "b.MP3"},
                          "/home/u/music");
    RecordingActions actions;
    for (const std::string& path : line.take()) {
        openFile(path, actions);
    }
    EXPECT_EQ(actions.calls, (std::vector<std::string>{
                                 "song /home/u/music/a.mp3", "list /l/LIST.m3u",
                                 "skin /home/u/music/../s/x.snx", "song /home/u/music/b.MP3"}));
    EXPECT_TRUE(line.take().empty());  // a window re-opened from the tray opens nothing
}

class OpenFileFolderTest : public ::testing::Test {
  protected:
    OpenFileFolderTest() {
        for (const char* name : {"A.MP3", "b.mp3", "notes.txt", "list.m3u", "sub1/c.mp3",
                                 "sub1/deep/d.Mp3", "sub2/e.mp3", "sub2/skip.mp3.part"}) {
            const std::filesystem::path file = dir.path() / name;
            std::filesystem::create_directories(file.parent_path());
            writeText(file, "");
        }
    }

    std::string at(const std::string& name) const { return "song " + dir.file(name); }

    TempDir dir;
    RecordingActions actions;
};

TEST_F(OpenFileFolderTest, FolderFilesOpensOnlyItsOwnSongs) {
    const WalkResult result = addFolderFiles(dir.path().string(), actions);
    EXPECT_FALSE(result.incomplete);
    std::vector<std::string> calls = actions.calls;
    std::sort(calls.begin(), calls.end());
    EXPECT_EQ(calls, (std::vector<std::string>{at("A.MP3"), at("b.mp3")}));
    EXPECT_EQ(actions.forwards, 2);
}

TEST_F(OpenFileFolderTest, FolderTreeOpensAFoldersOwnSongsBeforeEachSubFolderWhole) {
    addFolderTree(dir.path().string() + "/", actions);
    const std::vector<std::string>& calls = actions.calls;
    ASSERT_EQ(calls.size(), 5u);
    std::vector<std::string> own(calls.begin(), calls.begin() + 2);
    std::sort(own.begin(), own.end());
    EXPECT_EQ(own, (std::vector<std::string>{at("A.MP3"), at("b.mp3")}));
    // Depth first, sub-folders in listing order: sub1 with deep whole, then
    // sub2, or the other way round.
    const std::vector<std::string> rest(calls.begin() + 2, calls.end());
    const std::vector<std::string> sub1First{at("sub1/c.mp3"), at("sub1/deep/d.Mp3"),
                                             at("sub2/e.mp3")};
    const std::vector<std::string> sub2First{at("sub2/e.mp3"), at("sub1/c.mp3"),
                                             at("sub1/deep/d.Mp3")};
    EXPECT_TRUE(rest == sub1First || rest == sub2First);
}

TEST_F(OpenFileFolderTest, AMissingFolderOpensNothingAndSaysSo) {
    const WalkResult result = addFolderTree(dir.file("gone"), actions);
    EXPECT_TRUE(result.incomplete);
    EXPECT_TRUE(actions.calls.empty());
}

// The window's part, recorded.
class FakeOpenWindow final : public OpenFileWindow {
  public:
    void applySkinPointer(const std::string& path) override { skins.push_back(path); }
    void bringWindowForward() override { ++forwards; }

    std::vector<std::string> skins;
    int forwards = 0;
};

// Opened files reaching the real song opener and play list.
class OpenFileEnginesTest : public PlayListFixture {
  protected:
    OpenFileEnginesTest()
        : opener(songOpenerOptions(prefs), library, sources, factory, adder, sequence, dispatcher,
                 saver, &drives),
          engines(opener, adder, window) {
        setPrefs(0, 1);
    }

    void setPrefs(int toLibrary, int toPlayList) {
        prefs.values().addToLibrary = toLibrary;
        prefs.values().addToPlayList = toPlayList;
        prefs.values().snEnqueueAction = 0;
        applyPrefs();
        opener.setOptions(songOpenerOptions(prefs));
    }

    std::string file(const std::string& name, const std::string& text = "") {
        std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
        writeText(path(name), text);
        return path(name);
    }

    ManualDispatcher dispatcher;
    FakeDrives drives;
    SongOpener opener;
    FakeOpenWindow window;
    OpenFileEngines engines;
};

TEST_F(OpenFileEnginesTest, SeveralSongArgumentsAllOpenTheFirstPlaying) {
    CommandLineFiles line({file("a.MP3"), file("b.mp3"), file("c.mp3")}, "/");
    for (const std::string& path : line.take()) {
        openFile(path, engines);
    }
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(player.opens, std::vector<std::string>{path("a.MP3")});
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(window.forwards, 3);
}

TEST_F(OpenFileEnginesTest, SongsFollowThePreferencesAndTheDriveKind) {
    // Fixed drive, library only: a new record, not queued.
    drives.mount(dir.path().string() + "/", DriveKind::Fixed);
    setPrefs(1, 0);
    openFile(file("fixed.mp3"), engines);
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(list.count(), 0u);

    // Removable medium, library only: queued instead, kept out of the library.
    drives.mount(dir.path().string() + "/disc/", DriveKind::Removable);
    openFile(file("disc/song.mp3"), engines);
    EXPECT_EQ(library.count(), 1u);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0].path, path("disc/song.mp3"));

    // Neither preference: nothing, though the window still comes forward.
    setPrefs(0, 0);
    window.forwards = 0;
    openFile(file("other.mp3"), engines);
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(list.count(), 1u);
    EXPECT_EQ(window.forwards, 1);
}

TEST_F(OpenFileEnginesTest, PlayListsReplaceTheListAndSkinsGoToTheWindow) {
    queue({"old.mp3"});
    const std::string song = file("new.mp3");
    openFile(file("LIST.M3U", song + "\r\n"), engines);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0].path, song);

    openFile(file("Blue.snx", "/skins/Blue"), engines);
    EXPECT_EQ(window.skins, std::vector<std::string>{path("Blue.snx")});
    EXPECT_EQ(list.count(), 1u);
}

}  // namespace
}  // namespace sonara::testing
