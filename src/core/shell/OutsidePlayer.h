#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/mainwnd/MenuPreparation.h"
#include "core/playlist/PlayListEntry.h"
#include "core/settings/PreferencePageRules.h"
#include "core/shell/Associations.h"
#include "core/shell/PlayerTable.h"

namespace sonara {

class Prompter;
class ProcessLauncher;

// The user's own MP3 player beside Sonara ("UseAsDefaultPlayer" 0): songs
// and play lists handed to it, its name and what it can do, for the menus
// and the preferences. The player is the desktop's default for MP3 (or
// M3U) files; what it is asked to do comes from the player table, read
// anew on every use. Messages go to the prompter; "Unsupported MP3
// player." is shown once per object, so the application keeps one for the
// whole run. User-interface thread; borrows its collaborators.
class OutsidePlayer {
  public:
    OutsidePlayer(const Associations& associations, Prompter& prompter, ProcessLauncher& launcher)
        : associations_(associations), prompter_(prompter), launcher_(launcher) {}

    // Hands the MP3 file at `path` over as "PlayerAction" says (a verb the
    // player lacks gives way as supportedAction() chooses). True when the
    // player was started with it; otherwise the reason was shown.
    bool openFile(const std::string& path, int playerAction);
    // Hands an M3U play list over: `position` is PlayerSetListVerb or
    // PlayerAppendListVerb. True when the player was started with it.
    bool openPlayList(const std::string& path, size_t position);
    // "Set as" / "Append to" the player's play list: `entries` written to
    // the temporary list "Sonara Temporary Playlist File.M3U" in the data
    // folder (replacing the last one) and handed over. A list that cannot
    // be written is reported and not handed over.
    bool handPlayList(const std::vector<PlayListEntry>& entries, bool append);

    // The name of the default MP3 player: its row's name, else its desktop
    // entry's name, else its program's name in capitals; "(none
    // available)" when there is no default.
    std::string currentPlayerName() const;
    // The name of the player Sonara took MP3 files from, or "(none
    // available)".
    std::string savedPlayerName() const;
    bool isCurrentPlayerKnown() const;
    // Whether the player (the one Sonara took over from while Sonara is the
    // default, else the default) has the verb at `position`.
    bool verbAvailable(size_t position) const;
    // "PlayerAction" as the player can honour it: the action itself when
    // its verb exists, else Play, else Open, else Enqueue; Play for a
    // player not in the table.
    int supportedAction(int playerAction) const;

    // The menus' names and items for the player.
    ExternalPlayerLabels menuLabels(int playerAction) const;
    // The player and the MP3 association as the preferences show them.
    OutsidePlayerInfo preferencesInfo() const;

  private:
    PlayerTable table() const;
    std::string currentPlayerName(const PlayerTable& players) const;
    // The row of the player Sonara took over from while it is the default,
    // else of the default MP3 player.
    std::optional<size_t> rowOfPlayerInUse(const PlayerTable& players) const;
    std::string nameOf(const PlayerTable& table, const std::string& desktopId) const;
    int supportedAction(const PlayerTable& table, std::optional<size_t> row,
                        int playerAction) const;
    // Opens `path` with the desktop entry's own command, the fallback for a
    // player the table does not describe.
    bool openWithEntry(const std::string& desktopId, const std::string& path);
    bool launch(const std::string& commandLine, const std::string& path);

    const Associations& associations_;
    Prompter& prompter_;
    ProcessLauncher& launcher_;
    bool unsupportedShown_ = false;
};

// "Open", "Play" or "Enque" for "PlayerAction" 0, 1 or 2 (others read as
// Open).
std::string actionWord(int playerAction);

}  // namespace sonara
