#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"

namespace sonara::platform {

// What the `.is_audio_player` file at the root of a USB music player says:
// `key=value` lines, keys in any case, blank lines and lines without "="
// ignored. Unknown keys are ignored too, so a marker written for another
// program still reads.
struct AudioPlayerMarker {
    // Any folder depth below an audio folder: the marker's
    // `folder_depth=` when it is absent or not a number.
    static constexpr int kAnyDepth = -1;

    // `name=`; empty when the marker names no player.
    std::string name;
    // `audio_folders=`: plain relative folders ("Music", "Music/Rock") in
    // the marker's order, without repeats. One that is absolute or holds
    // ".." is dropped, so none leads outside the mount; "" (the root) when
    // none is left.
    std::vector<std::string> audioFolders{""};
    // `folder_depth=`: how many folder levels below an audio folder hold
    // songs; 0 is the audio folder alone.
    int folderDepth = kAnyDepth;
};

// Reads the marker's text. Never fails: damage reads as missing keys.
AudioPlayerMarker parseAudioPlayerMarker(std::string_view text);

// Reads `<root>/.is_audio_player`, at most its first 64 KiB. Fails only
// when the file cannot be opened or read (the player is not there).
Result<AudioPlayerMarker> readAudioPlayerMarker(const std::string& root);

// The marker's file name.
inline constexpr const char* kAudioPlayerMarkerName = ".is_audio_player";

}  // namespace sonara::platform
