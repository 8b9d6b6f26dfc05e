#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/engine/PlayListControl.h"
#include "audio/engine/PlayerHost.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "core/app/EventQueue.h"

namespace sonara::cli {

class Context;

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
    bool deviceFailed() const { return deviceFailed_; }

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
    bool deviceFailed_ = false;
    int failures_ = 0;
};

// What `play` and `playlist play` share: the sound server's outputs, the
// player host on the chosen device, and the run with the terminal's keys
// (space pause/resume, n next, p previous, t elapsed/remaining, q quit) and
// the time line. Main thread only; the keys arrive through the queue.
class CliPlayer {
  public:
    // `device` is an index of `sonara-cli devices`; none: the program's choice.
    CliPlayer(Context& context, std::optional<int> device);

    EventQueue& queue() { return queue_; }
    audio::PlayerHost& host() { return host_; }
    // `start` once, then tasks until `finished`, q or Ctrl-C; n and p go to
    // `list`. Stops the player at the end.
    void run(audio::PlayListControl& list, const std::function<void()>& start,
             const std::function<bool()>& finished);
    // After a device failure: the hint of `devices` when the sound server has
    // no outputs (it is not running).
    void hintWhenNoServer();

  private:
    Context& context_;
    EventQueue queue_;
    audio::pulse::PulseOutputFactory outputs_;
    audio::PlayerHost host_;
};

// The hint `devices` and `play` give when the sound server lists no output.
extern const char* const kNoOutputHint;

}  // namespace sonara::cli
