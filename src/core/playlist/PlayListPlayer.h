#pragma once

#include <string>

#include "core/playlist/PlayOutcome.h"

namespace sonara {

// What the play list asks of the player engine. The audio layer implements it
// over its player host. User-interface thread only; open, play and stop may
// run queued events of the Dispatcher (the engine's waits drain the queue).
class PlayListPlayer {
  public:
    virtual ~PlayListPlayer() = default;

    // Opens the file for playing; `outcome` tells why it failed.
    virtual bool open(const std::string& path, PlayOutcome& outcome) = 0;
    // Starts the open file.
    virtual bool play(PlayOutcome& outcome) = 0;
    // A stop by the program (it never advances the list), when a file is open.
    virtual void stopIfOpen() = 0;
    virtual bool isPlaying() const = 0;
};

}  // namespace sonara
