#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Command.h"

namespace sonara {

class PlayListAdder;
class PlaySequence;
class Prompter;

// Asks the user for a play-list file: the open and save dialogs. Nothing
// when they cancel. User-interface thread.
class PlayListFileChooser {
  public:
    virtual ~PlayListFileChooser() = default;
    virtual std::optional<std::string> fileToOpen() = 0;
    // `proposed` is the name the dialog offers.
    virtual std::optional<std::string> fileToSave(const std::string& proposed) = 0;
};

// What the play list's view selects once a command ran.
struct PlayListSelection {
    enum class Change { Keep, Nothing, All, Row };
    Change change = Change::Keep;
    size_t row = 0;  // for Row

    static PlayListSelection keep() { return {}; }
    static PlayListSelection nothing() { return {Change::Nothing, 0}; }
    static PlayListSelection all() { return {Change::All, 0}; }
    static PlayListSelection select(size_t row) { return {Change::Row, row}; }
    // The row, or nothing selected when there is none.
    static PlayListSelection selectOrNothing(std::optional<size_t> row) {
        return row ? select(*row) : nothing();
    }
    bool operator==(const PlayListSelection&) const = default;
};

// The play list's own commands, which need no dialog of the program's:
// "<<", "Up", "Dn", the play-list pop-up (Clear Playlist, Reset Played
// Status, Shuffle, the random adds, Select All, Clear Selection) and the
// file pop-up's File Open and File Save. Failures are told through the
// prompter. Borrows everything; user-interface thread only.
class PlayListCommands {
  public:
    static constexpr const char* kProposedSaveName = "Sonara.snl";

    PlayListCommands(PlaySequence& sequence, PlayListAdder& adder, Prompter& prompter,
                     PlayListFileChooser& files);

    // Whether `command` is one of the above.
    static bool handles(Command command);
    // Runs it on the selected rows (any order); nothing for another command.
    std::optional<PlayListSelection> run(Command command, const std::vector<size_t>& selected);

    // "<<": the row at the first removed one (or the new last row) is
    // selected afterwards.
    PlayListSelection remove(const std::vector<size_t>& selected);
    // "Up" (direction -1) and "Dn" (+1) on the first selected row, which
    // stays selected where it went.
    PlayListSelection move(const std::vector<size_t>& selected, int direction);
    void openFile();
    void saveFile();

  private:
    PlaySequence& sequence_;
    PlayListAdder& adder_;
    Prompter& prompter_;
    PlayListFileChooser& files_;
};

}  // namespace sonara
