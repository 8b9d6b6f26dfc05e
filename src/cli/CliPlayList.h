#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "audio/engine/PlayListControl.h"

namespace sonara::audio {
class PlayerHost;
}

namespace sonara::cli {

// The files of `sonara-cli play` as the engine's play list: played in order;
// a file the player rejects is reported and skipped, a device that fails
// ends the run. Prints a line for each file as it starts.
class CliPlayList final : public audio::PlayListControl {
  public:
    CliPlayList(audio::PlayerHost& host, std::vector<std::string> files, std::FILE* out,
                std::FILE* err);

    bool advance(int direction, bool force) override;
    bool hasCurrent() const override;
    bool playCurrent() override;
    void stopCurrent() override;

    bool finished() const { return finished_; }
    int failures() const { return failures_; }

  private:
    // From `index` on in `step` direction, the first file that plays.
    bool playFrom(int index, int step);

    audio::PlayerHost& host_;
    std::vector<std::string> files_;
    std::FILE* out_;
    std::FILE* err_;
    const char* clearLine_;  // wipes the time display's line on a terminal
    int current_ = -1;
    bool finished_ = false;
    int failures_ = 0;
};

}  // namespace sonara::cli
