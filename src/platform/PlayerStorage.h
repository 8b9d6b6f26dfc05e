#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/io/Result.h"
#include "core/tools/transfer/PortableDevices.h"
#include "platform/AudioPlayerMarker.h"

namespace sonara::platform {

// One song on a USB music player.
struct PlayerFile {
    std::string name;        // relative to its audio folder: "Album/song.mp3"
    std::string pathInRoot;  // relative to the player's root: "Music/Album/song.mp3"
    std::uint64_t bytes = 0;
};

// The songs of one mounted USB music player: regular files with an audio
// extension (.mp3 .ogg .flac .m4a .wma .wav, any case) in the audio folders
// its marker names, down to its folder depth. Hidden files and folders (a
// leading ".", which our temporary names have too) are not songs, and
// symbolic links are never followed, so nothing outside the mount is listed,
// written or removed. Without a folder depth, 32 levels are searched.
//
// Thread: any one thread at a time; every call reads the device afresh and
// may block on it. Failures are ErrorKind::Absent when the player's root or
// its marker has gone (pulled out), Invalid for a refused name, Io otherwise.
class PlayerStorage {
  public:
    PlayerStorage(std::string root, AudioPlayerMarker marker);

    const std::string& root() const { return root_; }
    const AudioPlayerMarker& marker() const { return marker_; }

    // Every song, sorted by name (bytewise) and then by place; a file that
    // two overlapping audio folders both reach is listed once, under the
    // first. A missing audio folder holds no songs.
    Result<std::vector<PlayerFile>> list() const;

    // Copies the file at `path` into the first audio folder (made when
    // missing) as `nameOnDevice`, a plain name not starting with ".". The
    // bytes go to a hidden temporary name that is renamed to the song's name
    // once complete, never over an existing file; on any failure or a cancel
    // the temporary file is removed, so nothing is ever left under the
    // song's name. Nothing is flushed to disk (as cp does not): unmounting
    // the player does that. `progress` is told every 4 MiB and at the end.
    Status send(const std::string& path, const std::string& nameOnDevice,
                const SendProgress& progress) const;

    // Removes the one listed song whose name without its extension (up to
    // its last ".") is `stem`. None, or several (song.mp3 and song.wav), is
    // a failure that removes nothing.
    Status remove(const std::string& stem) const;

    // Removes every listed song and then the subfolders of the audio folders
    // that this leaves empty; never the audio folders themselves, the marker or
    // any other file. Goes on past a song it cannot remove and then fails.
    Status format() const;

    // Success while the root still holds the marker.
    Status present() const;

  private:
    struct Walk;

    Result<Walk> walk() const;
    Status failureAfter(int error, const std::string& what) const;
    // The absolute path of a root-relative one ("" is the root).
    std::string pathOf(const std::string& inRoot) const;

    std::string root_;
    AudioPlayerMarker marker_;
};

}  // namespace sonara::platform
