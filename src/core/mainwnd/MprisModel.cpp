#include "core/mainwnd/MprisModel.h"

#include "core/app/CommandLine.h"
#include "core/io/Text.h"
#include "core/mainwnd/PartyLock.h"
#include "core/playlist/PlayListEntry.h"

namespace sonara {

namespace {

constexpr int kMaximumLevel = 65535;

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

const char* playbackStatusName(PlaybackStatus status) {
    switch (status) {
        case PlaybackStatus::Playing:
            return "Playing";
        case PlaybackStatus::Paused:
            return "Paused";
        case PlaybackStatus::Stopped:
            break;
    }
    return "Stopped";
}

std::string TrackIds::idFor(size_t row, const std::string& path) {
    if (!row_ || *row_ != row || path_ != path) {
        row_ = row;
        path_ = path;
        ++serial_;
    }
    return "/org/sonara/track/" + std::to_string(serial_);
}

MprisSnapshot takeSnapshot(const PlayerFacts& facts, TrackIds& ids) {
    MprisSnapshot snapshot;
    if (facts.paused) {
        snapshot.status = PlaybackStatus::Paused;
    } else if (facts.playing) {
        snapshot.status = PlaybackStatus::Playing;
    }
    if (facts.current != nullptr && facts.currentRow) {
        const PlayListEntry& entry = *facts.current;
        TrackMetadata track;
        track.trackId = ids.idFor(*facts.currentRow, entry.path);
        track.lengthUs = facts.lengthMs > 0 ? int64_t(facts.lengthMs) * 1000
                         : entry.length > 0 ? int64_t(entry.length) * 1000000
                                            : 0;
        track.title = entry.title.empty() ? fileNameOf(entry.path) : entry.title;
        if (!entry.artist.empty()) {
            track.artists.push_back(entry.artist);
        }
        track.album = facts.album;
        track.url = fileUri(entry.path);
        snapshot.metadata = std::move(track);
    }
    if (facts.volumeLevel) {
        snapshot.volume = double(*facts.volumeLevel) / kMaximumLevel;
    }
    const bool hasSongs = !facts.listEmpty;
    snapshot.canPlay = hasSongs && isCommandAllowed(Command::TrayPlay, facts.view);
    snapshot.canPause =
        snapshot.metadata.has_value() && isCommandAllowed(Command::TrayPause, facts.view);
    snapshot.canGoNext = hasSongs && isCommandAllowed(Command::TrayNext, facts.view);
    snapshot.canGoPrevious = hasSongs && isCommandAllowed(Command::TrayPrevious, facts.view);
    // The Party view offers no seek bar and turns the wheel's seeking off.
    snapshot.canSeek = facts.view != ViewMode::Party &&
                       snapshot.status != PlaybackStatus::Stopped && snapshot.metadata &&
                       snapshot.metadata->lengthUs > 0;
    return snapshot;
}

std::vector<std::string> changedProperties(const MprisSnapshot& before,
                                           const MprisSnapshot& after) {
    std::vector<std::string> names;
    auto note = [&names](bool differs, const char* name) {
        if (differs) {
            names.emplace_back(name);
        }
    };
    note(before.status != after.status, "PlaybackStatus");
    note(before.metadata != after.metadata, "Metadata");
    note(before.volume != after.volume, "Volume");
    note(before.canPlay != after.canPlay, "CanPlay");
    note(before.canPause != after.canPause, "CanPause");
    note(before.canGoNext != after.canGoNext, "CanGoNext");
    note(before.canGoPrevious != after.canGoPrevious, "CanGoPrevious");
    note(before.canSeek != after.canSeek, "CanSeek");
    return names;
}

TransportDecision decideTransport(MprisRequest request, PlaybackStatus status, ViewMode view) {
    std::optional<Command> command;
    switch (request) {
        case MprisRequest::Play:
            if (status == PlaybackStatus::Paused) {
                command = Command::TrayPause;  // which resumes
            } else if (status == PlaybackStatus::Stopped) {
                command = Command::TrayPlay;
            }
            break;
        case MprisRequest::Pause:
            if (status == PlaybackStatus::Playing) {
                command = Command::TrayPause;
            }
            break;
        case MprisRequest::PlayPause:
            command = status == PlaybackStatus::Stopped ? Command::TrayPlay : Command::TrayPause;
            break;
        case MprisRequest::Stop:
            command = Command::TrayStop;
            break;
        case MprisRequest::Next:
            command = Command::TrayNext;
            break;
        case MprisRequest::Previous:
            command = Command::TrayPrevious;
            break;
    }
    // A Pause that has nothing to pause is still refused in Party view, so
    // that a client learns the lock-down whatever the state.
    const Command checked =
        command.value_or(request == MprisRequest::Pause ? Command::TrayPause : Command::TrayPlay);
    if (!isCommandAllowed(checked, view)) {
        return {std::nullopt, true};
    }
    return {command, false};
}

SeekDecision decideSeek(int64_t positionUs, int64_t offsetUs, const MprisSnapshot& now) {
    if (!now.canSeek || !now.metadata) {
        return {};
    }
    const int64_t length = now.metadata->lengthUs;
    // Saturating: a client may send any 64-bit offset.
    int64_t target = 0;
    if (__builtin_add_overflow(positionUs, offsetUs, &target)) {
        target = offsetUs > 0 ? INT64_MAX : INT64_MIN;
    }
    if (target >= length) {
        return {SeekDecision::Kind::Next, 0};
    }
    return {SeekDecision::Kind::SeekTo, target < 0 ? 0 : target};
}

SeekDecision decideSetPosition(const std::string& trackId, int64_t positionUs,
                               const MprisSnapshot& now) {
    if (!now.canSeek || !now.metadata || trackId != now.metadata->trackId || positionUs < 0 ||
        positionUs > now.metadata->lengthUs) {
        return {};
    }
    return {SeekDecision::Kind::SeekTo, positionUs};
}

std::string fileUri(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const unsigned char c : path) {
        if (isUnreserved(c) || c == '/') {
            uri += char(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0x0F];
        }
    }
    return uri;
}

std::optional<std::string> pathFromFileUri(const std::string& uri) {
    if (uri.size() < 5 || !text::equalsNoCase(std::string_view(uri).substr(0, 5), "file:")) {
        return std::nullopt;
    }
    std::string path = commandLinePath(uri, "/");
    if (path.empty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace sonara
