#pragma once

#include <string>
#include <string_view>

#include "core/io/Result.h"

namespace sonara {

// What the desktop knows of the user's own MP3 player when the preferences
// open. Without a desktop (tests, a one-shot picture) it is all unknown.
struct OutsidePlayerInfo {
    // There is another player to hand songs to: one Sonara took MP3 files
    // from, or the desktop's default when that is not Sonara.
    bool known = false;
    // Shown beside "Use my current MP3 Player" while Sonara's own player is
    // chosen, and while the other one is.
    std::string savedName;
    std::string currentName;
    // The player in use has a row in the player table, and which of its
    // actions it offers (Open, Play, Enqueue).
    bool described = false;
    bool canOpen = false;
    bool canPlay = false;
    bool canEnqueue = false;
    // MP3 files open in Sonara now.
    bool mp3Associated = false;
};

// What the "Player/Playlist" page enables, from its two choices.
struct PlayerPageEnabling {
    // "Add files to Library", "Add files to Playlist", their "Play
    // Immediately"/"Enqueue", "Associate .MP3 files with Sonara", "Random Add
    // to Playlist (By Genre)", the "Scroll MP3 Title" radios and "Remove Song
    // After Played".
    bool ownPlayerControls = false;
    bool otherPlayerRadio = false;
    bool otherOpen = false;
    bool otherPlay = false;
    bool otherEnqueue = false;
    bool genreButton = false;
};

PlayerPageEnabling playerPageEnabling(bool ownPlayerChosen, bool randomAddChecked,
                                      const OutsidePlayerInfo& player);

// "PlayerAction" as the page offers it: the stored action when the player
// has it, else Play (1), else Open (0), else Enqueue (2); Play for a player
// the table does not describe. A stored value outside 0..2 is no action.
int offeredPlayerAction(int stored, const OutsidePlayerInfo& player);

inline constexpr int kMinBufferSizeK = 64;
inline constexpr int kMaxBufferSizeK = 800;

// The buffer-size field's text as kilobytes: a whole decimal number in
// 64..800 (blanks around it allowed), else the range message.
Result<int> parseBufferSize(std::string_view text);

}  // namespace sonara
