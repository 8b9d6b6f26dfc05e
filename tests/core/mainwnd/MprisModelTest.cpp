#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mainwnd/MprisModel.h"
#include "core/playlist/PlayListEntry.h"

namespace sonara {
namespace {

PlayListEntry song(const std::string& path, int seconds) {
    PlayListEntry entry;
    entry.path = path;
    entry.title = "First Light";
    entry.artist = "Alpha Band";
    entry.length = seconds;
    return entry;
}

PlayerFacts playing(const PlayListEntry& entry, size_t row, ViewMode view = ViewMode::Normal) {
    PlayerFacts facts;
    facts.playing = true;
    facts.listEmpty = false;
    facts.current = &entry;
    facts.currentRow = row;
    facts.view = view;
    return facts;
}

TEST(MprisModel, MetadataDescribesTheCurrentEntryInTheBusTypes) {
    const PlayListEntry entry = song("/music/Alpha Band/First Light #1.mp3", 200);
    PlayerFacts facts = playing(entry, 2);
    facts.album = "E2E Album";
    facts.volumeLevel = 65535;
    TrackIds ids;
    MprisSnapshot snapshot = takeSnapshot(facts, ids);
    ASSERT_TRUE(snapshot.metadata);
    EXPECT_EQ(snapshot.status, PlaybackStatus::Playing);
    EXPECT_EQ(snapshot.metadata->trackId, "/org/sonara/track/1");
    EXPECT_EQ(snapshot.metadata->lengthUs, 200'000'000);
    EXPECT_EQ(snapshot.metadata->artists, std::vector<std::string>{"Alpha Band"});
    EXPECT_EQ(snapshot.metadata->album, "E2E Album");
    EXPECT_EQ(snapshot.metadata->url, "file:///music/Alpha%20Band/First%20Light%20%231.mp3");
    EXPECT_DOUBLE_EQ(snapshot.volume, 1.0);

    // The player's own length of the open file wins over the entry's.
    facts.lengthMs = 199'500;
    facts.paused = true;
    snapshot = takeSnapshot(facts, ids);
    EXPECT_EQ(snapshot.metadata->lengthUs, 199'500'000);
    EXPECT_EQ(snapshot.status, PlaybackStatus::Paused);

    PlayListEntry untitled = song("/music/untitled.mp3", 0);
    untitled.title.clear();
    untitled.artist.clear();
    snapshot = takeSnapshot(playing(untitled, 2), ids);
    EXPECT_EQ(snapshot.metadata->title, "untitled.mp3");
    EXPECT_TRUE(snapshot.metadata->artists.empty());
    EXPECT_EQ(snapshot.metadata->lengthUs, 0);
    EXPECT_FALSE(snapshot.canSeek);  // nothing to seek in without a length

    EXPECT_FALSE(takeSnapshot(PlayerFacts{}, ids).metadata);
}

TEST(MprisModel, TrackIdChangesWithTheEntryNotWithEachSnapshot) {
    TrackIds ids;
    const std::string first = ids.idFor(0, "/a.mp3");
    EXPECT_EQ(ids.idFor(0, "/a.mp3"), first);
    const std::string second = ids.idFor(0, "/b.mp3");  // another song at the same row
    EXPECT_NE(second, first);
    EXPECT_NE(ids.idFor(1, "/b.mp3"), second);
}

TEST(MprisModel, PartyViewTakesAwayWhatItsLockRefuses) {
    const PlayListEntry entry = song("/a.mp3", 100);
    TrackIds ids;
    const MprisSnapshot normal = takeSnapshot(playing(entry, 0), ids);
    EXPECT_TRUE(normal.canPlay && normal.canPause && normal.canGoNext && normal.canGoPrevious &&
                normal.canSeek);

    const MprisSnapshot party = takeSnapshot(playing(entry, 0, ViewMode::Party), ids);
    EXPECT_TRUE(party.canPlay);
    EXPECT_FALSE(party.canPause || party.canGoNext || party.canGoPrevious || party.canSeek);

    EXPECT_EQ(changedProperties(normal, party),
              (std::vector<std::string>{"CanPause", "CanGoNext", "CanGoPrevious", "CanSeek"}));
    EXPECT_TRUE(changedProperties(party, party).empty());

    const MprisSnapshot empty = takeSnapshot(PlayerFacts{}, ids);
    EXPECT_FALSE(empty.canPlay || empty.canGoNext || empty.canPause);
    EXPECT_EQ(changedProperties(normal, empty).front(), "PlaybackStatus");
}

TEST(MprisModel, TransportFollowsThePlayerStateAndTheLock) {
    using enum MprisRequest;
    const auto command = [](MprisRequest request, PlaybackStatus status,
                            ViewMode view = ViewMode::Normal) {
        return decideTransport(request, status, view);
    };
    EXPECT_EQ(command(Play, PlaybackStatus::Stopped).command, Command::TrayPlay);
    EXPECT_EQ(command(Play, PlaybackStatus::Paused).command, Command::TrayPause);
    EXPECT_FALSE(command(Play, PlaybackStatus::Playing).command);
    EXPECT_EQ(command(Pause, PlaybackStatus::Playing).command, Command::TrayPause);
    EXPECT_FALSE(command(Pause, PlaybackStatus::Paused).command);  // not a toggle
    EXPECT_EQ(command(PlayPause, PlaybackStatus::Paused).command, Command::TrayPause);
    EXPECT_EQ(command(PlayPause, PlaybackStatus::Stopped).command, Command::TrayPlay);

    // Party view: starting is the guests' right, nothing else.
    EXPECT_EQ(command(Play, PlaybackStatus::Stopped, ViewMode::Party).command, Command::TrayPlay);
    EXPECT_EQ(command(PlayPause, PlaybackStatus::Stopped, ViewMode::Party).command,
              Command::TrayPlay);
    EXPECT_FALSE(command(Play, PlaybackStatus::Playing, ViewMode::Party).refused);
    for (MprisRequest request : {Pause, Stop, Next, Previous}) {
        const TransportDecision decision =
            command(request, PlaybackStatus::Playing, ViewMode::Party);
        EXPECT_TRUE(decision.refused);
        EXPECT_FALSE(decision.command);
    }
    EXPECT_TRUE(command(PlayPause, PlaybackStatus::Playing, ViewMode::Party).refused);
    EXPECT_TRUE(command(Pause, PlaybackStatus::Stopped, ViewMode::Party).refused);
}

TEST(MprisModel, SeekAndSetPositionKeepToTheTrack) {
    const PlayListEntry entry = song("/a.mp3", 100);
    TrackIds ids;
    const MprisSnapshot now = takeSnapshot(playing(entry, 0), ids);
    using Kind = SeekDecision::Kind;

    EXPECT_EQ(decideSeek(5'000'000, -10'000'000, now).kind, Kind::SeekTo);
    EXPECT_EQ(decideSeek(5'000'000, -10'000'000, now).positionUs, 0);
    EXPECT_EQ(decideSeek(5'000'000, 10'000'000, now).positionUs, 15'000'000);
    EXPECT_EQ(decideSeek(95'000'000, 10'000'000, now).kind, Kind::Next);
    EXPECT_EQ(decideSeek(95'000'000, INT64_MAX, now).kind, Kind::Next);
    EXPECT_EQ(decideSeek(95'000'000, INT64_MIN, now).positionUs, 0);

    const std::string id = now.metadata->trackId;
    EXPECT_EQ(decideSetPosition(id, 30'000'000, now).positionUs, 30'000'000);
    EXPECT_EQ(decideSetPosition("/org/sonara/track/999", 30'000'000, now).kind, Kind::Ignore);
    EXPECT_EQ(decideSetPosition(id, -1, now).kind, Kind::Ignore);
    EXPECT_EQ(decideSetPosition(id, 100'000'001, now).kind, Kind::Ignore);

    const MprisSnapshot party = takeSnapshot(playing(entry, 0, ViewMode::Party), ids);
    EXPECT_EQ(decideSeek(0, 1'000'000, party).kind, Kind::Ignore);
    EXPECT_EQ(decideSetPosition(id, 1'000'000, party).kind, Kind::Ignore);
}

TEST(MprisModel, FileUrisRoundTripAndOnlyLocalFilesAreTaken) {
    const std::string path = "/home/u/Müsic/a b%c#d?.mp3";
    const std::string uri = fileUri(path);
    EXPECT_EQ(uri, "file:///home/u/M%C3%BCsic/a%20b%25c%23d%3F.mp3");
    EXPECT_EQ(pathFromFileUri(uri), path);
    EXPECT_EQ(pathFromFileUri("FILE://localhost/x/y.mp3"), "/x/y.mp3");

    for (const char* bad : {"http://host/a.mp3", "file://host/a.mp3", "file://", "/a.mp3",
                            "file:///a%2.mp3", "file:///a%zz.mp3", "file:///a%00.mp3"}) {
        EXPECT_FALSE(pathFromFileUri(bad)) << bad;
    }
}

}  // namespace
}  // namespace sonara
