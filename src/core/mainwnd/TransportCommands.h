#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/app/Command.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

class PlaySequence;

// Pausing, which the play list itself never does; the player host
// implements it. User-interface thread.
class PauseControl {
  public:
    virtual ~PauseControl() = default;
    virtual bool isPaused() const = 0;
    virtual void togglePause() = 0;
};

// Hands a song to the outside MP3 player ("UseAsDefaultPlayer" 0); the
// shell hand-off implements it and tells the user when it cannot.
class ExternalPlayerHandOff {
  public:
    virtual ~ExternalPlayerHandOff() = default;
    virtual void playFile(const std::string& path) = 0;
};

// What the main window's transport buttons do (Play, Pause, Stop,
// Previous, Next; Enter, Ctrl+Up and Ctrl+Down and a double click in the
// play list come here too), with Party view's lock-down. The window passes
// the first selected play-list row with each press.
//
// Borrows the sequence and the ports, which must outlive it. User-interface
// thread only; the sequence's calls may run queued Dispatcher tasks.
class TransportCommands {
  public:
    TransportCommands(PlaySequence& sequence, PauseControl& pause, ExternalPlayerHandOff& external);
    TransportCommands(const TransportCommands&) = delete;
    TransportCommands& operator=(const TransportCommands&) = delete;

    void setView(ViewMode view) { view_ = view; }
    void setBuiltInPlayer(bool builtIn) { builtInPlayer_ = builtIn; }

    // Runs a transport button's command; false for any other command and for
    // one the view refuses.
    bool run(Command command, std::optional<size_t> selectedRow);

    void play(std::optional<size_t> selectedRow);
    void pause();
    void stop();
    void previous(std::optional<size_t> selectedRow);
    void next(std::optional<size_t> selectedRow);
    // The owner's key combination in Party view: Next, which the guests
    // cannot use.
    void ownerSkip(std::optional<size_t> selectedRow) { step(1, selectedRow); }

  private:
    void step(int direction, std::optional<size_t> selectedRow);
    std::optional<size_t> validRow(std::optional<size_t> row) const;

    PlaySequence& sequence_;
    PauseControl& pause_;
    ExternalPlayerHandOff& external_;
    ViewMode view_ = ViewMode::Normal;
    bool builtInPlayer_ = true;
};

}  // namespace sonara
