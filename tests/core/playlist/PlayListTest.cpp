#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "core/app/StringTable.h"
#include "core/playlist/CurrentPlayListFile.h"
#include "support/PlayListFixture.h"

namespace sonara::testing {
namespace {

using S = EntryState;

TEST(PlayListTotals, TextsAndProgress) {
    EXPECT_EQ(formatListTime(65), "01:05");
    EXPECT_EQ(formatListTime(3725), " 1:02:05");
    EXPECT_EQ(formatListTime(100 * 3600 + 1), "100:00:01");  // hours do not wrap
    EXPECT_EQ(formatListTime(0), "00:00");

    PlayListTotals none;
    EXPECT_EQ(none.progressMaximum(), 10000);
    EXPECT_EQ(none.progressPosition(), 0);
    PlayListTotals half{200, 100};
    EXPECT_EQ(half.progressMaximum(), 200);
    EXPECT_EQ(half.progressPosition(), 100);
    PlayListTotals done{200, 0};
    EXPECT_EQ(done.progressPosition(), 199);  // never shown as finished
}

class PlayListModel : public PlayListFixture {};

TEST_F(PlayListModel, TotalsSkipUnknownLengthsAndCountTheRestOfTheCurrentSong) {
    queue({"a.mp3"}, 100);
    queue({"unknown.mp3"}, 0);
    queue({"b.mp3"}, 50);
    queue({"c.mp3"}, 30);
    EXPECT_EQ(list.totalSeconds(), 180);
    EXPECT_EQ(list.leftSeconds(), 180);

    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    list.setElapsed(40);
    EXPECT_EQ(list.leftSeconds(), 60 + 50 + 30);
    list.setElapsed(500);  // past a wrong stored length: nothing negative
    EXPECT_EQ(list.leftSeconds(), 80);
    EXPECT_TRUE(sequence.advance(1, false));  // the unknown length plays next
    EXPECT_EQ(list.at(0).state, S::Played);
    EXPECT_EQ(list.leftSeconds(), 80);
    EXPECT_EQ(view.totals.totalSeconds, 180);
    EXPECT_EQ(view.totals.leftSeconds, 80);
    EXPECT_EQ(view.totals.progressPosition(), 100);
}

TEST_F(PlayListModel, NextOnTheLastEntryStopsAndMarksItPlayed) {
    queue({"a.mp3", "b.mp3"});
    list.makeCurrent(1);
    ASSERT_TRUE(sequence.playCurrent());
    EXPECT_EQ(now.caption(), "Artist b.mp3 - Title b.mp3 - Sonara");
    EXPECT_EQ(view.caption, now.caption());

    EXPECT_FALSE(sequence.advance(1, true));
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(list.at(1).state, S::Played);
    EXPECT_EQ(list.current(), 1u);  // Play plays it again
    EXPECT_EQ(view.stopPresses, 1);
    EXPECT_EQ(now.caption(), "Sonara");
    EXPECT_EQ(player.opens.size(), 1u);  // the list does not loop

    // Previous on the first entry does not wrap either.
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    EXPECT_FALSE(sequence.advance(0, false));
    EXPECT_EQ(player.opens.size(), 2u);
}

TEST_F(PlayListModel, RandomAddAtTheEndAppendsAndPlaysARandomTitle) {
    prefs.values().randomAdd = 1;
    applyPrefs();
    queue({"a.mp3"});
    song("extra.mp3");
    sequence.rebuildRandomPool();
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    ASSERT_TRUE(sequence.advance(1, true));
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.current(), 1u);
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(player.openPath, list.at(1).path);

    // Stopped and not forced, a wrapped step only chooses: nothing is drawn.
    player.stopIfOpen();
    list.makeCurrent(1);
    EXPECT_TRUE(sequence.advance(1, false));
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(list.current(), 0u);
}

TEST_F(PlayListModel, StoppedAndNotForcedOnlyChoosesTheNextEntry) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    EXPECT_TRUE(sequence.advance(1, false));
    EXPECT_TRUE(sequence.advance(1, false));
    EXPECT_TRUE(player.opens.empty());
    EXPECT_EQ(list.current(), 2u);
    // Passing entries while stopped does not count them as played.
    EXPECT_EQ(states(), (std::vector<S>{S::Unplayed, S::Unplayed, S::Current}));
    EXPECT_EQ(list.leftSeconds(), 180);
}

TEST_F(PlayListModel, WithoutACurrentEntryPlayStartsAtTheFirstUnplayedOne) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    sequence.stopCurrent();  // a played
    sequence.remove({0});
    ASSERT_FALSE(list.hasCurrent());
    ASSERT_TRUE(sequence.advance(1, true));
    EXPECT_EQ(player.openPath, path("b.mp3"));
    EXPECT_EQ(list.current(), 0u);
}

TEST_F(PlayListModel, RejectedFilesAreSkippedAndADeviceFailureStops) {
    queue({"a.mp3", "bad1.mp3", "bad2.mp3", "d.mp3"});
    player.failures[path("bad1.mp3")] = ErrorKind::Rejected;
    player.failures[path("bad2.mp3")] = ErrorKind::Rejected;
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    ASSERT_TRUE(sequence.advance(1, true));
    EXPECT_EQ(player.openPath, path("d.mp3"));
    EXPECT_EQ(list.current(), 3u);
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Played, S::Played, S::Current}));

    // A device that fails: no skipping, the entry stays current, no Stop.
    queue({"e.mp3", "f.mp3"});
    const int stopsBefore = view.stopPresses;
    player.failures[path("e.mp3")] = ErrorKind::Device;
    EXPECT_FALSE(sequence.advance(1, true));
    EXPECT_EQ(list.current(), 4u);
    EXPECT_EQ(player.opens.back(), path("e.mp3"));
    EXPECT_EQ(now.caption(), "Sonara");
    EXPECT_EQ(view.stopPresses, stopsBefore + 1);  // the failed open's Stop only
}

TEST_F(PlayListModel, ALibraryOfRejectedFilesEndsTheSkipping) {
    prefs.values().randomAdd = 1;
    applyPrefs();
    queue({"a.mp3"});
    for (const char* name : {"x.mp3", "y.mp3"}) {
        song(name);
        player.failures[path(name)] = ErrorKind::Rejected;
    }
    player.failures[path("a.mp3")] = ErrorKind::Rejected;
    sequence.rebuildRandomPool();
    list.makeCurrent(0);
    // Every random title fails too: the skipping gives up instead of adding
    // titles for ever.
    EXPECT_FALSE(sequence.advance(1, true));
    EXPECT_LT(list.count(), 20u);
    EXPECT_FALSE(player.playing);
}

TEST_F(PlayListModel, RemovePlayedSongDropsEachSongOnceItWasPlayed) {
    prefs.values().removePlayedSong = 1;
    applyPrefs();
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    ASSERT_TRUE(sequence.advance(1, true));  // a ends
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("b.mp3"), path("c.mp3")}));
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(player.openPath, path("b.mp3"));

    // Stepping on while stopped: b was played and goes; c is only chosen.
    sequence.stopCurrent();
    EXPECT_TRUE(sequence.advance(1, false));
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("c.mp3")}));
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    EXPECT_FALSE(sequence.advance(1, true));  // the last one ends
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.hasCurrent());
}

TEST_F(PlayListModel, RemovingThePlayingEntryStopsItAndClearsCurrent) {
    queue({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    list.makeCurrent(2);
    ASSERT_TRUE(sequence.playCurrent());
    EXPECT_EQ(sequence.remove({0}), 0u);
    EXPECT_EQ(list.current(), 1u);  // follows its entry
    EXPECT_TRUE(player.playing);

    EXPECT_EQ(sequence.remove({2, 1}), 0u);  // the first removed row was past the end
    EXPECT_FALSE(player.playing);
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_EQ(view.displayResets, 1);
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("b.mp3")}));
    EXPECT_EQ(sequence.remove({7}), 0u);  // no such row

    EXPECT_EQ(sequence.remove({0}), std::nullopt);
    EXPECT_EQ(view.scrollingTitle, " ");
}

TEST_F(PlayListModel, RemovingAStoppedCurrentEntryLeavesNoCurrent) {
    queue({"a.mp3", "b.mp3"});
    list.makeCurrent(1);
    ASSERT_TRUE(sequence.playCurrent());
    sequence.stopCurrent();
    sequence.remove({1});
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_TRUE(sequence.advance(1, false));
    EXPECT_EQ(list.current(), 0u);
}

TEST_F(PlayListModel, MovesAtTheEndsSwapFirstAndLast) {
    queue({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    list.makeCurrent(0);
    EXPECT_EQ(list.moveUp(0), 3u);
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("d.mp3"), path("b.mp3"), path("c.mp3"),
                                                      path("a.mp3")}));
    EXPECT_EQ(list.current(), 3u);
    EXPECT_EQ(list.moveDown(3), 0u);
    EXPECT_EQ(list.moveDown(1), 2u);
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("a.mp3"), path("c.mp3"), path("b.mp3"),
                                                      path("d.mp3")}));
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(list.moveToTop(3), 0u);
    EXPECT_EQ(list.at(0).path, path("d.mp3"));
    EXPECT_EQ(list.current(), 3u);

    sequence.remove({1, 2, 3});
    EXPECT_EQ(list.moveUp(0), 0u);  // one entry: nothing to swap with
    EXPECT_EQ(list.moveDown(0), 0u);
}

TEST_F(PlayListModel, ShuffleKeepsEveryEntryAndPutsThePlayingOneFirst) {
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) {
        names.push_back("s" + std::to_string(i) + ".mp3");
    }
    queue(names);
    list.makeCurrent(5);
    ASSERT_TRUE(sequence.playCurrent());
    list.setElapsed(20);
    list.makeCurrent(5);
    const std::vector<PlayListEntry> before = list.entries();
    ASSERT_EQ(sequence.shuffle(), 0u);  // the row to select
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(list.at(0).path, path("s5.mp3"));
    EXPECT_EQ(list.at(0).state, S::Current);
    EXPECT_EQ(list.at(0).elapsed, 20);  // "Left:" does not jump
    std::vector<std::string> after = view.paths();
    std::vector<std::string> original;
    for (const PlayListEntry& e : before) {
        original.push_back(e.path);
    }
    std::sort(after.begin(), after.end());
    std::sort(original.begin(), original.end());
    EXPECT_EQ(after, original);
    EXPECT_EQ(list.at(3).reserved, -1);
    EXPECT_EQ(list.at(3).length, 60);
    // The copy is made in memory: no scratch file.
    for (const auto& file : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_NE(file.path().filename().string().rfind("tmp", 0), 0u) << file.path();
    }
}

TEST_F(PlayListModel, ShuffleOfOneEntryChangesNothingAndNoneNeedsAScratchFile) {
    queue({"a.mp3"});
    EXPECT_FALSE(sequence.shuffle());
    EXPECT_EQ(view.paths(), std::vector<std::string>{path("a.mp3")});
    queue({"b.mp3", "c.mp3"});
    // A temporary folder that cannot be written (a full disk) does not matter.
    const char* tmp = std::getenv("TMPDIR");
    const std::string saved = tmp != nullptr ? tmp : "";
    ::setenv("TMPDIR", dir.file("no/such/folder").c_str(), 1);
    EXPECT_TRUE(sequence.shuffle());
    if (tmp != nullptr) {
        ::setenv("TMPDIR", saved.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
    EXPECT_EQ(list.count(), 3u);
}

TEST(NowPlaying, TheIdleTimeTextFollowsTheView) {
    NowPlaying now;
    EXPECT_EQ(now.caption(), "Sonara");
    EXPECT_EQ(now.timeText(ViewMode::Player), "00:00");
    EXPECT_EQ(now.timeText(ViewMode::Toolbar), "00:00");
    EXPECT_EQ(now.timeText(ViewMode::Normal), " ");
    now.setTime(65'900, 3'725'000, true);
    EXPECT_EQ(now.timeText(ViewMode::Normal), "- 1:01:00");
    now.resetDisplay();
    EXPECT_EQ(now.timeText(ViewMode::Player), "00:00");
}

TEST_F(PlayListModel, ResetPlayedStopsOnlyWhenItResetsThePlayingEntry) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    ASSERT_TRUE(sequence.advance(1, true));  // a played, b plays
    sequence.resetPlayed({0});
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(list.current(), 1u);  // the playing song keeps its place
    EXPECT_EQ(states(), (std::vector<S>{S::Unplayed, S::Current, S::Unplayed}));

    EXPECT_EQ(sequence.resetAllPlayed(), 0u);  // the row to select
    EXPECT_FALSE(player.playing);
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_EQ(states(), (std::vector<S>{S::Unplayed, S::Unplayed, S::Unplayed}));
    EXPECT_EQ(list.leftSeconds(), 180);
}

TEST_F(PlayListModel, ClearStopsEmptiesAndSavesTheFile) {
    queue({"a.mp3", "b.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    ASSERT_TRUE(adder.clear());
    EXPECT_FALSE(player.playing);
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_EQ(view.scrollingTitle, " ");
    std::vector<PlayListEntry> saved;
    EXPECT_EQ(current_playlist_file::load(path("CurrPl.snl"), saved), LoadOutcome::Loaded);
    EXPECT_TRUE(saved.empty());
}

TEST_F(PlayListModel, AClearThatCannotBeSavedSaysSo) {
    queue({"a.mp3"});
    // A folder where the file belongs: no save can replace it.
    std::filesystem::create_directory(path("CurrPl.snl"));
    std::filesystem::create_directory(path("CurrPl.snl/kept"));
    const Status saved = adder.clear();
    EXPECT_TRUE(list.empty());
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().find("CurrPl.snl"), std::string::npos) << saved.error();
}

TEST_F(PlayListModel, PlayNowStopsWhatPlaysAndPlaysTheNewEntry) {
    queue({"a.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    LibraryRecord* record = song("b.mp3");
    EXPECT_EQ(adder.append(*record, path("b.mp3"), true), 1u);
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Current}));
    EXPECT_EQ(player.openPath, path("b.mp3"));
    EXPECT_EQ(view.opened.back(), 1u);
}

TEST_F(PlayListModel, WithoutAPlayerNothingIsMarkedPlayed) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    sequence.setPlayer(nullptr);
    list.makeCurrent(0);
    const Status played = sequence.playCurrent();
    EXPECT_FALSE(played);
    EXPECT_EQ(played.kind(), ErrorKind::Other);
    EXPECT_FALSE(sequence.advance(1, true));
    EXPECT_EQ(list.at(2).state, S::Unplayed);  // not skipped through
}

// Adding songs.

TEST_F(PlayListModel, AddingALibraryRowCountsAPlayAndSavesTheDataFiles) {
    LibraryRecord* record = song("a.mp3", 90);
    EXPECT_EQ(adder.addRecordFromLibrary(*record, ViewMode::Normal), 0u);
    EXPECT_EQ(record->playCount, 1);
    EXPECT_EQ(saver.saves, 1);
    EXPECT_EQ(list.at(0).path, path("a.mp3"));
    EXPECT_EQ(list.at(0).length, 90);
    EXPECT_EQ(list.at(0).state, S::Unplayed);
    EXPECT_TRUE(player.opens.empty());  // adding never plays

    // A record whose file is gone: the message, no count, no save.
    LibraryRecord* missing = song("gone.mp3", 10, "", false);
    missing->setMediaName("Disc 4");
    EXPECT_EQ(adder.addRecordFromLibrary(*missing, ViewMode::Normal), std::nullopt);
    EXPECT_EQ(missing->playCount, 0);
    EXPECT_EQ(saver.saves, 1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], formatText(TextId::InsertRemovableMedia, "Disc 4"));

    // While nothing plays the selected row (none is current) is shown.
    adder.addRecordsFromLibrary({record, missing}, ViewMode::Normal, 1);
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(view.scrollingTitle, "Artist a.mp3 - Title a.mp3");
}

TEST_F(PlayListModel, LibraryAddsFollowTheWizardTheViewAndTheOutsidePlayer) {
    LibraryRecord* record = song("a.mp3");
    prefs.values().useLibraryWizard = 1;
    applyPrefs();
    EXPECT_EQ(adder.addRecordFromLibrary(*record, ViewMode::Normal), std::nullopt);
    prefs.values().useLibraryWizard = 0;
    applyPrefs();
    EXPECT_EQ(adder.addRecordFromLibrary(*record, ViewMode::TouchScreen), std::nullopt);
    EXPECT_EQ(record->playCount, 0);
    EXPECT_EQ(saver.saves, 0);

    prefs.values().useAsDefaultPlayer = 0;
    applyPrefs();
    std::vector<std::string> handedOver;
    adder.openInOutsidePlayer = [&](const std::string& file) {
        handedOver.push_back(file);
        return true;
    };
    // The library view hands it to the outside player; the player view drops it.
    EXPECT_EQ(adder.addRecordFromLibrary(*record, ViewMode::Library), std::nullopt);
    EXPECT_EQ(handedOver, std::vector<std::string>{path("a.mp3")});
    EXPECT_EQ(adder.addRecordFromLibrary(*record, ViewMode::Player), std::nullopt);
    EXPECT_EQ(adder.addRecordFromLibrary(*record, ViewMode::LibraryAndPlaylist), 0u);
    EXPECT_EQ(record->playCount, 3);
    EXPECT_EQ(saver.saves, 3);
}

TEST_F(PlayListModel, AddFileMakesItsOwnRecordAndSaves) {
    writeText(path("Some Artist - Some Song.mp3"), "");
    probe.seconds["Some Artist - Some Song.mp3"] = 77;
    ASSERT_EQ(adder.addFile(path("Some Artist - Some Song.mp3"), false), 0u);
    EXPECT_EQ(list.at(0).artist, "Some Artist");
    EXPECT_EQ(list.at(0).title, "Some Song");
    EXPECT_EQ(list.at(0).length, 77);
    EXPECT_EQ(library.count(), 0u);  // not a library add
    EXPECT_EQ(saver.saves, 1);
}

TEST_F(PlayListModel, LoadingAPlayListReplacesTheListAndReportsMissingFiles) {
    queue({"old.mp3"});
    writeText(path("a.mp3"), "");
    writeText(path("b.mp3"), "");
    writeText(path("LIST.M3U"), path("a.mp3") + "\r\n/no/such.mp3\r\n" + path("b.mp3") + "\r\n");
    const auto report = adder.loadFile(path("LIST.M3U"));
    EXPECT_TRUE(report.replaced);
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("a.mp3"), path("b.mp3")}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], stringText(TextId::PlayListItemsNotAdded));
    EXPECT_EQ(saver.saves, 1);  // once for the whole file

    // A song is added without clearing.
    adder.loadFile(path("a.mp3"));
    EXPECT_EQ(list.count(), 3u);
}

}  // namespace
}  // namespace sonara::testing
