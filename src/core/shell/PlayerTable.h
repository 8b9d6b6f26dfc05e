#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sonara {

class Prompter;

// Field positions of a "Players.CFG" row.
enum PlayerField : size_t {
    PlayerName = 0,      // shown to the user
    PlayerMp3Type = 1,   // the desktop id that opens MP3 files
    PlayerOpenVerb = 2,  // opens an MP3 file without playing it
    PlayerPlayVerb = 3,  // plays an MP3 file at once
    PlayerEnqueueVerb = 4,
    PlayerM3uType = 5,         // the desktop id that opens M3U play lists
    PlayerSetListVerb = 6,     // plays an M3U list in place of the player's own
    PlayerAppendListVerb = 7,  // adds an M3U list to the player's own
};

// The outside players Sonara knows, one row per line of the file's
// "[Players]" section: the text after the first "=" (the key is ignored),
// split at every comma, fields kept untrimmed. A verb is a command line
// (see LaunchCommand.h); "na" (any case) or an empty field means none.
class PlayerTable {
  public:
    static PlayerTable parse(std::string_view fileText);

    size_t size() const { return rows_.size(); }
    // Empty when the row or the field does not exist.
    std::string field(size_t row, size_t position) const;
    // The first row whose field 1 (or 5) is `desktopId`, compared exactly.
    std::optional<size_t> findByMp3Type(std::string_view desktopId) const;
    std::optional<size_t> findByM3uType(std::string_view desktopId) const;
    bool hasVerb(size_t row, size_t position) const;

  private:
    std::optional<size_t> findBy(size_t position, std::string_view value) const;
    std::vector<std::vector<std::string>> rows_;
};

// The file's built-in content, written when it is missing.
std::string_view defaultPlayerTableText();

// Reads the table at `path` as every use does: a read-only file is
// reported with message 7174 and still read; a missing one is written with
// the built-in content first (when that fails the built-in rows are used).
PlayerTable loadPlayerTable(const std::string& path, Prompter& prompter);

}  // namespace sonara
