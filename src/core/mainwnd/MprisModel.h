#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Command.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

struct PlayListEntry;

// What the desktop's media controls see of the player, and what their
// requests become, by the rules of the freedesktop media-player interface.
// Values only: the D-Bus service fills the facts, keeps the snapshots and
// runs the commands. Times in these types are microseconds, as on the bus.

enum class PlaybackStatus { Playing, Paused, Stopped };
// "Playing", "Paused" or "Stopped".
const char* playbackStatusName(PlaybackStatus status);

// The object path naming no track.
inline constexpr const char* kNoTrackId = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

struct TrackMetadata {
    std::string trackId;   // an object path
    int64_t lengthUs = 0;  // 0 when unknown (then not reported)
    std::string title;
    std::vector<std::string> artists;  // empty when the entry names none
    std::string album;                 // empty when unknown
    std::string url;                   // file:// URI

    bool operator==(const TrackMetadata&) const = default;
};

struct MprisSnapshot {
    PlaybackStatus status = PlaybackStatus::Stopped;
    std::optional<TrackMetadata> metadata;  // none without a current entry
    double volume = 0.0;                    // 0.0 .. 1.0
    bool canPlay = false;
    bool canPause = false;
    bool canGoNext = false;
    bool canGoPrevious = false;
    bool canSeek = false;

    bool operator==(const MprisSnapshot&) const = default;
};

// What a snapshot is made from, read off the player host and the play list.
struct PlayerFacts {
    bool playing = false;
    bool paused = false;
    bool listEmpty = true;
    const PlayListEntry* current = nullptr;  // borrowed for the call only
    std::optional<size_t> currentRow;
    // The open file's length, when the open file is the current entry's.
    int lengthMs = 0;
    std::string album;
    // The master volume, 0..65535; none without a volume control.
    std::optional<int> volumeLevel;
    ViewMode view = ViewMode::Normal;
};

// Gives each entry that becomes current a track id of its own, so that a
// client can tell a new song from the old one even at the same row.
class TrackIds {
  public:
    // The id of the entry at `row` playing `path`; a new one whenever the
    // row or the path differs from the last call's.
    std::string idFor(size_t row, const std::string& path);

  private:
    std::optional<size_t> row_;
    std::string path_;
    uint64_t serial_ = 0;
};

MprisSnapshot takeSnapshot(const PlayerFacts& facts, TrackIds& ids);

// The D-Bus names of the Player properties that differ between the two, in
// a fixed order (Position is never among them: clients compute it).
std::vector<std::string> changedProperties(const MprisSnapshot& before, const MprisSnapshot& after);

// The methods that turn into transport commands.
enum class MprisRequest { Play, Pause, PlayPause, Stop, Next, Previous };

struct TransportDecision {
    std::optional<Command> command;  // none: nothing to do
    bool refused = false;            // the view's lock-down refuses it
};

// Play and Pause by the player's state (Play unpauses, Pause only pauses
// what plays, PlayPause starts what is stopped), then the Party lock on the
// command that would run.
TransportDecision decideTransport(MprisRequest request, PlaybackStatus status, ViewMode view);

struct SeekDecision {
    enum class Kind { Ignore, SeekTo, Next };
    Kind kind = Kind::Ignore;
    int64_t positionUs = 0;
};

// A relative seek: before the start seeks to 0; past the end is Next.
SeekDecision decideSeek(int64_t positionUs, int64_t offsetUs, const MprisSnapshot& now);
// An absolute seek: ignored for a track id that is not the current one
// (the request was meant for a song that has ended), or outside 0..length.
SeekDecision decideSetPosition(const std::string& trackId, int64_t positionUs,
                               const MprisSnapshot& now);

// "file://" and the path with every byte but the unreserved ones and "/"
// percent-encoded.
std::string fileUri(const std::string& path);
// The local path a file: URI names, as the command line reads one; none for
// another scheme, a remote host or a bad escape.
std::optional<std::string> pathFromFileUri(const std::string& uri);

}  // namespace sonara
