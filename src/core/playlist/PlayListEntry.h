#pragma once

#include <cstdint>
#include <string>

namespace sonara {

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

}  // namespace sonara
