#include "core/mainwnd/TransportCommands.h"

#include "core/mainwnd/PartyLock.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlaySequence.h"

namespace sonara {

TransportCommands::TransportCommands(PlaySequence& sequence, PauseControl& pause,
                                     ExternalPlayerHandOff& external)
    : sequence_(sequence), pause_(pause), external_(external) {}

bool TransportCommands::run(Command command, std::optional<size_t> selectedRow) {
    if (!isCommandAllowed(command, view_)) {
        return false;
    }
    switch (command) {
        case Command::PlayButton:
            play(selectedRow);
            return true;
        case Command::PauseButton:
            pause();
            return true;
        case Command::StopButton:
            stop();
            return true;
        case Command::PreviousButton:
            previous(selectedRow);
            return true;
        case Command::NextButton:
            next(selectedRow);
            return true;
        default:
            return false;
    }
}

std::optional<size_t> TransportCommands::validRow(std::optional<size_t> row) const {
    // A selection the window has not caught up with counts as none.
    if (row && *row >= sequence_.list().count()) {
        return std::nullopt;
    }
    return row;
}

void TransportCommands::play(std::optional<size_t> selectedRow) {
    if (view_ == ViewMode::Party && sequence_.playerIsPlaying()) {
        return;
    }
    const std::optional<size_t> row = validRow(selectedRow);
    if (!builtInPlayer_) {
        if (row) {
            external_.playFile(sequence_.list().at(*row).path);
        }
        return;
    }
    // Play on a paused song resumes it, also with no row selected: skipping
    // to the next song there would lose the place in the paused one.
    if (pause_.isPaused()) {
        pause_.togglePause();
        return;
    }
    if (!row) {
        static_cast<void>(sequence_.advance(1, true));
        return;
    }
    if (sequence_.playerIsPlaying()) {
        sequence_.stopCurrent();
    }
    // The stop may have run queued tasks that emptied the list.
    if (*row >= sequence_.list().count()) {
        return;
    }
    sequence_.list().makeCurrent(*row);
    if (const Status played = sequence_.playCurrent();
        !played && played.kind() == ErrorKind::Rejected) {
        static_cast<void>(sequence_.advance(1, true));
    }
}

void TransportCommands::pause() {
    if (!isCommandAllowed(Command::PauseButton, view_)) {
        return;
    }
    pause_.togglePause();
}

void TransportCommands::stop() {
    if (!isCommandAllowed(Command::StopButton, view_)) {
        return;
    }
    sequence_.stop();
}

void TransportCommands::previous(std::optional<size_t> selectedRow) {
    if (isCommandAllowed(Command::PreviousButton, view_)) {
        step(0, selectedRow);
    }
}

void TransportCommands::next(std::optional<size_t> selectedRow) {
    if (isCommandAllowed(Command::NextButton, view_)) {
        step(1, selectedRow);
    }
}

void TransportCommands::step(int direction, std::optional<size_t> selectedRow) {
    const std::optional<size_t> row = validRow(selectedRow);
    if (!sequence_.playerIsPlaying()) {
        if (!row) {
            static_cast<void>(sequence_.advance(1, true));
            return;
        }
        sequence_.list().makeCurrent(*row);
    }
    static_cast<void>(sequence_.advance(direction, false));
}

}  // namespace sonara
