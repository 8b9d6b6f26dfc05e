#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"
#include "core/playlist/PlayListEntry.h"

namespace sonara {

class Prompter;

// Text play lists (".m3u", ".snl"): one full path per line, CR LF endings.
namespace text_playlist {

// True when the name ends in "m3u" or "snl", ignoring case.
bool isPlayListName(const std::string& path);

// Writes the path of every entry that has one, each followed by CR LF.
Status write(const std::string& path, const std::vector<PlayListEntry>& entries);

// The file paths a play list's text names, in order: lines may end in CR LF
// or LF, the last line needs no ending, lines starting with "#" (extended
// M3U information) are no paths, and a relative path is taken relative to
// `folder` (the play list's own folder).
std::vector<std::string> parse(std::string_view text, const std::string& folder);

// What reading a play list file did.
struct ReadReport {
    bool replaced = false;  // the list was cleared and refilled
    int added = 0;
    int missing = 0;
};

// Opens a file the way the play list does: a name that is no play list is
// one audio file, added as it is. A play list that exists and is not empty
// replaces the list (`clear`, then `add` for every path whose file exists);
// when any path names no file, message 111 is shown after the rest was added.
// `add` returns false when the file could not be added.
ReadReport read(const std::string& path, const std::function<void()>& clear,
                const std::function<bool(const std::string&)>& add, Prompter& prompter);

}  // namespace text_playlist
}  // namespace sonara
