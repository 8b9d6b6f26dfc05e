#pragma once

#include <string>

#include "core/io/Result.h"

namespace sonara {

// What the play sequence asks of the player engine. The audio layer
// implements it over its player host. User-interface thread only; open, play
// and stop may run queued events of the Dispatcher (the engine's waits drain
// the queue).
//
// A failure's kind decides what the sequence does next: Rejected (the
// file or stream a component refused) is skipped, Device (the output device
// failed; the engine has told the user) and Other stop.
class PlayListPlayer {
  public:
    virtual ~PlayListPlayer() = default;

    // Opens the file for playing.
    virtual Status open(const std::string& path) = 0;
    // Starts the open file.
    virtual Status play() = 0;
    // A stop by the program (it never advances the list), when a file is open.
    virtual void stopIfOpen() = 0;
    virtual bool isPlaying() const = 0;
};

}  // namespace sonara
