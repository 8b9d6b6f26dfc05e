#pragma once

#include <string>
#include <vector>

#include "core/io/DataFile.h"
#include "core/io/Result.h"
#include "core/playlist/PlayListEntry.h"

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
class Prompter;

// The working play list, serialised with every entry's played state: a
// count, then per entry path, artist, title, reserved, state and length.
// No entry is current after loading: a stored Current reads as Unplayed.
namespace current_playlist_file {

// Appends the file's entries to `entries`; the entries before any damage
// are kept. False on damage.
bool read(ArchiveReader& in, std::vector<PlayListEntry>& entries);
void write(ArchiveWriter& out, const std::vector<PlayListEntry>& entries);
LoadOutcome load(const std::string& path, std::vector<PlayListEntry>& entries);
Status save(const std::string& path, const std::vector<PlayListEntry>& entries, Prompter& prompter);

}  // namespace current_playlist_file
}  // namespace sonara
