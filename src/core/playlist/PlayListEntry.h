#pragma once

#include <cstdint>
#include <string>

namespace sonara {

class LibraryRecord;
struct NormaliseOptions;

enum class EntryState : int32_t { Unplayed = 0, Current = 1, Played = 2, Fresh = 3 };

// One queued song of the current play list.
struct PlayListEntry {
    std::string path;
    std::string title;   // display title, already normalised
    std::string artist;  // display artist, already normalised
    int32_t reserved = -1;
    EntryState state = EntryState::Fresh;
    int32_t length = 0;   // seconds; 0 or less when unknown
    int32_t elapsed = 0;  // seconds played of the current entry; not stored
};

// An Unplayed entry for the resolved `path` with the record's display title
// and artist and its length.
PlayListEntry makeEntry(const LibraryRecord& record, const std::string& path,
                        const NormaliseOptions& options);

}  // namespace sonara
