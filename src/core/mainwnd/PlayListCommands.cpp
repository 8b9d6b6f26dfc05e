#include "core/mainwnd/PlayListCommands.h"

#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListAdder.h"
#include "core/playlist/PlaySequence.h"
#include "core/playlist/TextPlayList.h"

namespace sonara {

PlayListCommands::PlayListCommands(PlaySequence& sequence, PlayListAdder& adder, Prompter& prompter,
                                   PlayListFileChooser& files)
    : sequence_(sequence), adder_(adder), prompter_(prompter), files_(files) {}

bool PlayListCommands::handles(Command command) {
    switch (command) {
        case Command::RemoveFromPlayListButton:
        case Command::MoveUpButton:
        case Command::MoveDownButton:
        case Command::ClearPlayList:
        case Command::ResetPlayedStatus:
        case Command::ResetAllPlayedStatus:
        case Command::Shuffle:
        case Command::RandomAdd1:
        case Command::RandomAdd5:
        case Command::RandomAdd10:
        case Command::SelectAllPlayList:
        case Command::ClearPlayListSelection:
        case Command::FileOpen:
        case Command::FileSave:
            return true;
        default:
            return false;
    }
}

std::optional<PlayListSelection> PlayListCommands::run(Command command,
                                                       const std::vector<size_t>& selected) {
    switch (command) {
        case Command::RemoveFromPlayListButton:
            return remove(selected);
        case Command::MoveUpButton:
            return move(selected, -1);
        case Command::MoveDownButton:
            return move(selected, 1);
        case Command::ClearPlayList:
            if (const Status saved = adder_.clear(); !saved.ok()) {
                prompter_.message(formatText(TextId::CurrentPlayListNotSaved, saved.error()),
                                  Icon::Exclamation);
            }
            return PlayListSelection::nothing();
        case Command::ResetPlayedStatus:
            sequence_.resetPlayed(selected);
            return PlayListSelection::keep();
        case Command::ResetAllPlayedStatus:
            return PlayListSelection::selectOrNothing(sequence_.resetAllPlayed());
        case Command::Shuffle:
            if (const auto first = sequence_.shuffle()) {
                return PlayListSelection::select(*first);
            }
            return PlayListSelection::keep();
        case Command::RandomAdd1:
            sequence_.addRandom(1);
            return PlayListSelection::keep();
        case Command::RandomAdd5:
            sequence_.addRandom(5);
            return PlayListSelection::keep();
        case Command::RandomAdd10:
            sequence_.addRandom(10);
            return PlayListSelection::keep();
        case Command::SelectAllPlayList:
            return PlayListSelection::all();
        case Command::ClearPlayListSelection:
            return PlayListSelection::nothing();
        case Command::FileOpen:
            openFile();
            return PlayListSelection::keep();
        case Command::FileSave:
            saveFile();
            return PlayListSelection::keep();
        default:
            return std::nullopt;
    }
}

PlayListSelection PlayListCommands::remove(const std::vector<size_t>& selected) {
    if (selected.empty()) {
        return PlayListSelection::keep();
    }
    return PlayListSelection::selectOrNothing(sequence_.remove(selected));
}

PlayListSelection PlayListCommands::move(const std::vector<size_t>& selected, int direction) {
    PlayList& list = sequence_.list();
    if (selected.empty()) {
        return PlayListSelection::keep();
    }
    const size_t row = *std::min_element(selected.begin(), selected.end());
    if (row >= list.count()) {
        return PlayListSelection::keep();
    }
    return PlayListSelection::select(direction < 0 ? list.moveUp(row) : list.moveDown(row));
}

void PlayListCommands::openFile() {
    if (const auto path = files_.fileToOpen()) {
        (void)adder_.loadFile(*path);
    }
}

void PlayListCommands::saveFile() {
    const auto path = files_.fileToSave(kProposedSaveName);
    if (!path) {
        return;
    }
    if (const Status written = text_playlist::write(*path, sequence_.list().entries());
        !written.ok()) {
        prompter_.message(formatText(TextId::PlayListNotSaved, *path, written.error()),
                          Icon::Exclamation);
    }
}

}  // namespace sonara
