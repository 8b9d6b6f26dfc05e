#pragma once

#include <string>

#include "audio/engine/PlayListControl.h"
#include "core/playlist/PlayListPlayer.h"

namespace sonara {
class PlaySequence;
}

namespace sonara::audio {

class PlayerHost;

// Joins the play sequence and the player host for as long as it lives: the
// sequence plays through the host, and the host's events and commands (a
// song's end, the tray's Next, Play and Stop) reach the sequence.
// User-interface thread only. Both must outlive the binding.
class PlayListBinding final : public PlayListPlayer, public PlayListControl {
  public:
    PlayListBinding(PlayerHost& host, PlaySequence& sequence);
    ~PlayListBinding() override;
    PlayListBinding(const PlayListBinding&) = delete;
    PlayListBinding& operator=(const PlayListBinding&) = delete;

    // PlayListPlayer: what the play list asks of the host.
    Status open(const std::string& path) override;
    Status play() override;
    void stopIfOpen() override;
    bool isPlaying() const override;

    // PlayListControl: what the host asks of the play list. The Stop command
    // is the Stop button's: the display is reset too.
    bool advance(int direction, bool force) override;
    bool hasCurrent() const override;
    bool playCurrent() override;
    void stopCurrent() override;

  private:
    PlayerHost& host_;
    PlaySequence& sequence_;
};

}  // namespace sonara::audio
