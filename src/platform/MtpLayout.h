#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"

namespace sonara::platform {

// The music-folder layout of an MTP player, kept apart from the library that
// talks to it so that it can be reasoned about (and tested) without a device.

// One object of a player's storage as a listing gives it.
struct MtpObject {
    std::uint32_t id = 0;
    std::uint32_t parent = 0;
    std::uint32_t storage = 0;
    std::string name;
    std::uint64_t bytes = 0;
    bool folder = false;
};

// A file below a music folder; `name` is relative to that folder
// ("Album/song.mp3").
struct MtpListedFile {
    std::string name;
    MtpObject object;
};

// The audio types a player is told a sent file has.
enum class MtpAudioType { Mp3, Mp2, Wav, Wma, Ogg, Flac, Aac, M4a, Unknown };

// From the extension after the last dot of the last path part, ASCII case
// ignored; a name without one is Unknown.
MtpAudioType audioTypeOf(std::string_view fileName);

// The music folder of `storage`: the player's default music folder when it
// lies on that storage, else the first top-level folder named "Music" (ASCII
// case ignored), else none.
std::optional<std::uint32_t> chooseMusicFolder(std::uint32_t storage,
                                               const std::optional<MtpObject>& defaultFolder,
                                               const std::vector<MtpObject>& topLevel);

// What a folder holds, as far down as it was looked at.
struct MtpFolderTree {
    std::vector<MtpListedFile> files;
    // The subfolders, every folder before the one that holds it, so that
    // emptying them in this order removes children first.
    std::vector<std::uint32_t> foldersDeepestFirst;
};

using MtpListChildren = std::function<Result<std::vector<MtpObject>>(std::uint32_t folder)>;

// Lists `root` and its subfolders down to `levels` levels of subfolders (0:
// the root's own files only). Fails when any listing fails.
Result<MtpFolderTree> walkFolder(std::uint32_t root, int levels, const MtpListChildren& list);

}  // namespace sonara::platform
