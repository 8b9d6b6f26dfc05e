#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "PlayListFixture.h"
#include "core/app/StringTable.h"
#include "core/playlist/CurrentPlayListFile.h"

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
    ASSERT_TRUE(list.playCurrent());
    list.setElapsed(40);
    EXPECT_EQ(list.leftSeconds(), 60 + 50 + 30);
    list.setElapsed(500);  // past a wrong stored length: nothing negative
    EXPECT_EQ(list.leftSeconds(), 80);
    EXPECT_TRUE(list.advance(1, false));  // the unknown length plays next
    EXPECT_EQ(list.at(0).state, S::Played);
    EXPECT_EQ(list.leftSeconds(), 80);
    EXPECT_EQ(view.totals.totalSeconds, 180);
    EXPECT_EQ(view.totals.leftSeconds, 80);
    EXPECT_EQ(view.totals.progressPosition(), 100);
}

TEST_F(PlayListModel, NextOnTheLastEntryStopsAndMarksItPlayed) {
    queue({"a.mp3", "b.mp3"});
    list.makeCurrent(1);
    ASSERT_TRUE(list.playCurrent());
    EXPECT_EQ(list.caption(), "Artist b.mp3 - Title b.mp3 - Sonara");
    EXPECT_EQ(view.caption, list.caption());

    EXPECT_FALSE(list.advance(1, true));
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(list.at(1).state, S::Played);
    EXPECT_EQ(list.current(), 1u);  // Play plays it again
    EXPECT_EQ(view.stopPresses, 1);
    EXPECT_EQ(list.caption(), "Sonara");
    EXPECT_EQ(player.opens.size(), 1u);  // the list does not loop

    // Previous on the first entry does not wrap either.
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    EXPECT_FALSE(list.advance(0, false));
    EXPECT_EQ(player.opens.size(), 2u);
}

TEST_F(PlayListModel, RandomAddAtTheEndAppendsAndPlaysARandomTitle) {
    prefs.values().randomAdd = 1;
    queue({"a.mp3"});
    song("extra.mp3");
    list.rebuildRandomPool();
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    ASSERT_TRUE(list.advance(1, true));
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.current(), 1u);
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(player.openPath, list.at(1).path);

    // Stopped and not forced, a wrapped step only chooses: nothing is drawn.
    player.stopIfOpen();
    list.makeCurrent(1);
    EXPECT_TRUE(list.advance(1, false));
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(list.current(), 0u);
}

TEST_F(PlayListModel, StoppedAndNotForcedOnlyChoosesTheNextEntry) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    EXPECT_TRUE(list.advance(1, false));
    EXPECT_TRUE(list.advance(1, false));
    EXPECT_TRUE(player.opens.empty());
    EXPECT_EQ(list.current(), 2u);
    // Passing entries while stopped does not count them as played.
    EXPECT_EQ(states(), (std::vector<S>{S::Unplayed, S::Unplayed, S::Current}));
    EXPECT_EQ(list.leftSeconds(), 180);
}

TEST_F(PlayListModel, WithoutACurrentEntryPlayStartsAtTheFirstUnplayedOne) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    list.stopCurrent();  // a played
    list.remove({0});
    ASSERT_FALSE(list.hasCurrent());
    ASSERT_TRUE(list.advance(1, true));
    EXPECT_EQ(player.openPath, path("b.mp3"));
    EXPECT_EQ(list.current(), 0u);
}

TEST_F(PlayListModel, RejectedFilesAreSkippedAndADeviceFailureStops) {
    queue({"a.mp3", "bad1.mp3", "bad2.mp3", "d.mp3"});
    player.failures[path("bad1.mp3")] = PlayOutcome::ComponentFailure;
    player.failures[path("bad2.mp3")] = PlayOutcome::ComponentFailure;
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    ASSERT_TRUE(list.advance(1, true));
    EXPECT_EQ(player.openPath, path("d.mp3"));
    EXPECT_EQ(list.current(), 3u);
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Played, S::Played, S::Current}));

    // A device that fails: no skipping, the entry stays current, no Stop.
    queue({"e.mp3", "f.mp3"});
    const int stopsBefore = view.stopPresses;
    player.failures[path("e.mp3")] = PlayOutcome::DeviceFailure;
    EXPECT_FALSE(list.advance(1, true));
    EXPECT_EQ(list.current(), 4u);
    EXPECT_EQ(player.opens.back(), path("e.mp3"));
    EXPECT_EQ(list.caption(), "Sonara");
    EXPECT_EQ(view.stopPresses, stopsBefore + 1);  // the failed open's Stop only
}

TEST_F(PlayListModel, ALibraryOfRejectedFilesEndsTheSkipping) {
    prefs.values().randomAdd = 1;
    queue({"a.mp3"});
    for (const char* name : {"x.mp3", "y.mp3"}) {
        song(name);
        player.failures[path(name)] = PlayOutcome::ComponentFailure;
    }
    player.failures[path("a.mp3")] = PlayOutcome::ComponentFailure;
    list.rebuildRandomPool();
    list.makeCurrent(0);
    // Every random title fails too: the skipping gives up instead of adding
    // titles for ever.
    EXPECT_FALSE(list.advance(1, true));
    EXPECT_LT(list.count(), 20u);
    EXPECT_FALSE(player.playing);
}

TEST_F(PlayListModel, RemovePlayedSongDropsEachSongOnceItWasPlayed) {
    prefs.values().removePlayedSong = 1;
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    ASSERT_TRUE(list.advance(1, true));  // a ends
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("b.mp3"), path("c.mp3")}));
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(player.openPath, path("b.mp3"));

    // Stepping on while stopped: b was played and goes; c is only chosen.
    list.stopCurrent();
    EXPECT_TRUE(list.advance(1, false));
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("c.mp3")}));
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    EXPECT_FALSE(list.advance(1, true));  // the last one ends
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.hasCurrent());
}

TEST_F(PlayListModel, RemovingThePlayingEntryStopsItAndClearsCurrent) {
    queue({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    list.makeCurrent(2);
    ASSERT_TRUE(list.playCurrent());
    EXPECT_EQ(list.remove({0}), 0u);
    EXPECT_EQ(list.current(), 1u);  // follows its entry
    EXPECT_TRUE(player.playing);

    EXPECT_EQ(list.remove({2, 1}), 0u);
    EXPECT_FALSE(player.playing);
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_EQ(view.displayResets, 1);
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("b.mp3")}));
    EXPECT_EQ(view.selected, 0u);     // the first removed row was past the end
    EXPECT_EQ(list.remove({7}), 0u);  // no such row

    EXPECT_EQ(list.remove({0}), std::nullopt);
    EXPECT_EQ(view.scrollingTitle, " ");
}

TEST_F(PlayListModel, RemovingAStoppedCurrentEntryLeavesNoCurrent) {
    queue({"a.mp3", "b.mp3"});
    list.makeCurrent(1);
    ASSERT_TRUE(list.playCurrent());
    list.stopCurrent();
    list.remove({1});
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_TRUE(list.advance(1, false));
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

    list.remove({1, 2, 3});
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
    ASSERT_TRUE(list.playCurrent());
    list.setElapsed(20);
    list.makeCurrent(5);
    const std::vector<PlayListEntry> before = list.entries();
    list.setScratchFolder(dir.path().string());
    ASSERT_TRUE(list.shuffle());
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(list.at(0).path, path("s5.mp3"));
    EXPECT_EQ(list.at(0).state, S::Current);
    EXPECT_EQ(list.at(0).elapsed, 20);  // "Left:" does not jump
    EXPECT_EQ(view.selected, 0u);
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
    // The scratch copy is gone.
    for (const auto& file : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_NE(file.path().filename().string().rfind("tmp", 0), 0u) << file.path();
    }
}

TEST_F(PlayListModel, ShuffleWithoutAScratchFileOrOfOneEntryChangesNothing) {
    queue({"a.mp3"});
    EXPECT_FALSE(list.shuffle());
    queue({"b.mp3", "c.mp3"});
    list.setScratchFolder(dir.file("no/such/folder"));
    EXPECT_FALSE(list.shuffle());
    EXPECT_EQ(view.paths(),
              (std::vector<std::string>{path("a.mp3"), path("b.mp3"), path("c.mp3")}));
    list.setScratchFolder(dir.path().string());
    EXPECT_TRUE(list.shuffle());
    EXPECT_EQ(list.count(), 3u);
}

TEST_F(PlayListModel, ResetPlayedStopsOnlyWhenItResetsThePlayingEntry) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    ASSERT_TRUE(list.advance(1, true));  // a played, b plays
    list.resetPlayed({0});
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(list.current(), 1u);  // the playing song keeps its place
    EXPECT_EQ(states(), (std::vector<S>{S::Unplayed, S::Current, S::Unplayed}));

    list.resetAllPlayed();
    EXPECT_FALSE(player.playing);
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_EQ(states(), (std::vector<S>{S::Unplayed, S::Unplayed, S::Unplayed}));
    EXPECT_EQ(view.selected, 0u);
    EXPECT_EQ(list.leftSeconds(), 180);
}

TEST_F(PlayListModel, ClearStopsEmptiesAndSavesTheFile) {
    queue({"a.mp3", "b.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    list.clear();
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
    list.clear();
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("CurrPl.snl"), std::string::npos) << prompter.messages[0];
}

TEST_F(PlayListModel, PlayNowStopsWhatPlaysAndPlaysTheNewEntry) {
    queue({"a.mp3"});
    list.makeCurrent(0);
    ASSERT_TRUE(list.playCurrent());
    LibraryRecord* record = song("b.mp3");
    EXPECT_EQ(list.append(*record, path("b.mp3"), true), 1u);
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Current}));
    EXPECT_EQ(player.openPath, path("b.mp3"));
    EXPECT_EQ(view.opened.back(), 1u);
}

TEST_F(PlayListModel, WithoutAPlayerNothingIsMarkedPlayed) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    list.setPlayer(nullptr);
    PlayOutcome outcome = PlayOutcome::Ok;
    list.makeCurrent(0);
    EXPECT_FALSE(list.playCurrent(outcome));
    EXPECT_EQ(outcome, PlayOutcome::OtherFailure);
    EXPECT_FALSE(list.advance(1, true));
    EXPECT_EQ(list.at(2).state, S::Unplayed);  // not skipped through
}

// Adding songs.

TEST_F(PlayListModel, AddingALibraryRowCountsAPlayAndSavesTheDataFiles) {
    LibraryRecord* record = song("a.mp3", 90);
    EXPECT_EQ(list.addRecordFromLibrary(*record), 0u);
    EXPECT_EQ(record->playCount, 1);
    EXPECT_EQ(saver.saves, 1);
    EXPECT_EQ(list.at(0).path, path("a.mp3"));
    EXPECT_EQ(list.at(0).length, 90);
    EXPECT_EQ(list.at(0).state, S::Unplayed);
    EXPECT_TRUE(player.opens.empty());  // adding never plays

    // A record whose file is gone: the message, no count, no save.
    LibraryRecord* missing = song("gone.mp3", 10, "", false);
    missing->setMediaName("Disc 4");
    EXPECT_EQ(list.addRecordFromLibrary(*missing), std::nullopt);
    EXPECT_EQ(missing->playCount, 0);
    EXPECT_EQ(saver.saves, 1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], formatText(129, "Disc 4"));

    list.addRecordsFromLibrary({record, missing});
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(view.idleTitles, 1);
}

TEST_F(PlayListModel, LibraryAddsFollowTheWizardTheViewAndTheOutsidePlayer) {
    LibraryRecord* record = song("a.mp3");
    prefs.values().useLibraryWizard = 1;
    EXPECT_EQ(list.addRecordFromLibrary(*record), std::nullopt);
    prefs.values().useLibraryWizard = 0;
    view.mode = 7;  // touch screen
    EXPECT_EQ(list.addRecordFromLibrary(*record), std::nullopt);
    EXPECT_EQ(record->playCount, 0);
    EXPECT_EQ(saver.saves, 0);

    prefs.values().useAsDefaultPlayer = 0;
    std::vector<std::string> handedOver;
    list.openInOutsidePlayer = [&](const std::string& file) {
        handedOver.push_back(file);
        return true;
    };
    view.mode = 5;  // library view: the outside player gets it
    EXPECT_EQ(list.addRecordFromLibrary(*record), std::nullopt);
    EXPECT_EQ(handedOver, std::vector<std::string>{path("a.mp3")});
    view.mode = 2;  // player view: nothing
    EXPECT_EQ(list.addRecordFromLibrary(*record), std::nullopt);
    view.mode = 6;
    EXPECT_EQ(list.addRecordFromLibrary(*record), 0u);
    EXPECT_EQ(record->playCount, 3);
    EXPECT_EQ(saver.saves, 3);
}

TEST_F(PlayListModel, AddFileMakesItsOwnRecordAndSaves) {
    writeText(path("Some Artist - Some Song.mp3"), "");
    probe.seconds["Some Artist - Some Song.mp3"] = 77;
    ASSERT_EQ(list.addFile(path("Some Artist - Some Song.mp3"), false), 0u);
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
    const auto report = list.loadFile(path("LIST.M3U"));
    EXPECT_TRUE(report.replaced);
    EXPECT_EQ(view.paths(), (std::vector<std::string>{path("a.mp3"), path("b.mp3")}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], stringText(111));
    EXPECT_EQ(saver.saves, 1);  // once for the whole file

    // A song is added without clearing.
    list.loadFile(path("a.mp3"));
    EXPECT_EQ(list.count(), 3u);
}

}  // namespace
}  // namespace sonara::testing
