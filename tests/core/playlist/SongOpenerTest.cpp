#include "core/playlist/SongOpener.h"

#include <gtest/gtest.h>

#include "support/FakeDrives.h"
#include "support/PlayListFixture.h"

namespace sonara::testing {
namespace {

class SongOpenerTest : public PlayListFixture {
  protected:
    SongOpenerTest()
        : opener(songOpenerOptions(prefs), library, sources, factory, adder, sequence, dispatcher,
                 saver, &drives) {
        prefs.values().addToLibrary = 0;
        prefs.values().addToPlayList = 1;
        prefs.values().snEnqueueAction = 0;
        applyPrefs();
    }

    void applyPrefs() {
        PlayListFixture::applyPrefs();
        opener.setOptions(songOpenerOptions(prefs));
    }

    std::string file(const std::string& name) {
        writeText(path(name), "");
        return path(name);
    }

    ManualDispatcher dispatcher;
    FakeDrives drives;
    SongOpener opener;
};

TEST_F(SongOpenerTest, ABurstOfOpensPlaysTheFirstAndQueuesTheRest) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) {
        opener.open(file(name));
    }
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(player.opens, std::vector<std::string>{path("a.mp3")});
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(states(), (std::vector<EntryState>{EntryState::Current, EntryState::Unplayed,
                                                 EntryState::Unplayed}));
    EXPECT_EQ(dispatcher.starts, 3);  // restarted by each
    ASSERT_EQ(dispatcher.timers.size(), 1u);
    EXPECT_EQ(dispatcher.timers[dispatcher.lastTimer].first, 3500);
    EXPECT_EQ(library.count(), 0u);
    EXPECT_EQ(saver.saves, 3);

    // Once the timer fired (once: it is killed), the next open plays.
    dispatcher.fire(dispatcher.lastTimer);
    EXPECT_FALSE(opener.enqueueTimerRunning());
    EXPECT_TRUE(dispatcher.timers.empty());
    opener.open(file("d.mp3"));
    EXPECT_EQ(player.openPath, path("d.mp3"));
    EXPECT_EQ(list.current(), 3u);

    // While the timer runs but nothing plays, an open plays too.
    player.stopIfOpen();
    opener.open(file("e.mp3"));
    EXPECT_EQ(player.openPath, path("e.mp3"));
}

TEST_F(SongOpenerTest, EnqueueOnlyNeverPlaysAndNeedsNoTimer) {
    prefs.values().snEnqueueAction = 1;
    applyPrefs();
    opener.open(file("a.mp3"));
    opener.open(file("b.mp3"));
    EXPECT_EQ(list.count(), 2u);
    EXPECT_TRUE(player.opens.empty());
    EXPECT_TRUE(dispatcher.timers.empty());

    prefs.values().addToPlayList = 0;  // neither: nothing at all
    applyPrefs();
    opener.open(file("c.mp3"));
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(saver.saves, 2);
}

TEST_F(SongOpenerTest, NewLibrarySongsQueueWithoutPlaying) {
    prefs.values().addToLibrary = 1;
    applyPrefs();
    opener.open(file("new.mp3"));
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(sources.count(), 1u);
    EXPECT_EQ(sources.at(0).folder, dir.path().string() + "/");
    ASSERT_EQ(list.count(), 1u);
    EXPECT_TRUE(player.opens.empty());
    EXPECT_EQ(saver.saves, 1);

    // Already in the library: a file entry that plays.
    opener.open(path("new.mp3"));
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(player.openPath, path("new.mp3"));

    // Only "AddToLibrary": a song already in the library is not queued.
    prefs.values().addToPlayList = 0;
    applyPrefs();
    opener.open(path("new.mp3"));
    EXPECT_EQ(list.count(), 2u);
    opener.open(file("other.mp3"));
    EXPECT_EQ(library.count(), 2u);
    EXPECT_EQ(list.count(), 2u);
}

TEST_F(SongOpenerTest, RemovableMediaSongsSkipTheLibraryButQueue) {
    prefs.values().addToLibrary = 1;
    prefs.values().addToPlayList = 0;
    applyPrefs();
    drives.mount(dir.path().string() + "/", DriveKind::Removable);
    opener.open(file("disc.mp3"));
    EXPECT_EQ(library.count(), 0u);
    EXPECT_EQ(sources.count(), 0u);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(player.openPath, path("disc.mp3"));
}

}  // namespace
}  // namespace sonara::testing
