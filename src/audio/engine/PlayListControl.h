#pragma once

namespace sonara::audio {

// What the player host asks of the current play list: the binding over the
// play sequence implements it, and so does the CLI's list of files.
// User-interface thread.
class PlayListControl {
  public:
    virtual ~PlayListControl() = default;

    // To the next (direction 1) or previous (0) entry, playing it when the
    // player plays or `force` is set; whether something now plays.
    virtual bool advance(int direction, bool force) = 0;
    virtual bool hasCurrent() const = 0;
    virtual bool playCurrent() = 0;
    // The Stop command (the tray's, the media keys'): as the Stop button.
    virtual void stopCurrent() = 0;
};

}  // namespace sonara::audio
