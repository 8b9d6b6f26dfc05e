#pragma once

namespace sonara::audio {

// What the player host asks of the current play list. The play-list model
// implements it. User-interface thread.
class PlayListControl {
  public:
    virtual ~PlayListControl() = default;

    // To the next (direction 1) or previous (0) entry, playing it when the
    // player plays or `force` is set; whether something now plays.
    virtual bool advance(int direction, bool force) = 0;
    virtual bool hasCurrent() const = 0;
    virtual bool playCurrent() = 0;
    virtual void stopCurrent() = 0;
};

// What the player host asks of the main window, which may not exist (the
// program runs in the tray without it). User-interface thread.
class PlayerWindow {
  public:
    virtual ~PlayerWindow() = default;

    virtual bool exists() const = 0;
    // As if its Stop button was pressed.
    virtual void pressStop() = 0;
};

}  // namespace sonara::audio
