#pragma once

#include <string>

#include "audio/engine/PlayListControl.h"
#include "core/playlist/PlayListPlayer.h"

namespace sonara {
class PlayList;
}

namespace sonara::audio {

class PlayerHost;

// Joins the current play list and the player host for as long as it lives:
// the play list plays through the host, and the host's events and commands
// (a song's end, the tray's Next and Play) reach the play list.
// User-interface thread only. Both must outlive the binding.
class PlayListBinding final : public PlayListPlayer, public PlayListControl {
  public:
    PlayListBinding(PlayerHost& host, PlayList& playList);
    ~PlayListBinding() override;
    PlayListBinding(const PlayListBinding&) = delete;
    PlayListBinding& operator=(const PlayListBinding&) = delete;

    // PlayListPlayer: what the play list asks of the host.
    bool open(const std::string& path, PlayOutcome& outcome) override;
    bool play(PlayOutcome& outcome) override;
    void stopIfOpen() override;
    bool isPlaying() const override;

    // PlayListControl: what the host asks of the play list.
    bool advance(int direction, bool force) override;
    bool hasCurrent() const override;
    bool playCurrent() override;
    void stopCurrent() override;

  private:
    PlayerHost& host_;
    PlayList& playList_;
};

}  // namespace sonara::audio
