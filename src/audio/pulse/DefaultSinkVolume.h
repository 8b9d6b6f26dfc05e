#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/pulse/PulseSinks.h"
#include "core/io/Result.h"

namespace sonara::audio::pulse {

class PulseConnection;

// The volume and mute of the server's default sink (whichever sink that is
// at the time), on a connection of its own that watches for changes.
//
// Levels run 0..kMaximumLevel, kMaximumLevel being the sink's 100 % (a
// sink above 100 % reads as kMaximumLevel). Calls block for at most
// PulseConnection::kRequestTimeout and may come from any thread but the
// watch's.
class DefaultSinkVolume {
  public:
    static constexpr int kMaximumLevel = 65535;
    // Runs on the connection's thread, with the default sink's new level
    // whenever it differs from the last one seen: a change by another
    // program, by us, or a new default sink. It must not call back into
    // this object: hand the value on (post it) and return.
    using ChangeHandler = std::function<void(int level)>;

    // Fails when no server answers or it has no default sink.
    static Result<std::unique_ptr<DefaultSinkVolume>> open(ChangeHandler changed);
    ~DefaultSinkVolume();
    DefaultSinkVolume(const DefaultSinkVolume&) = delete;
    DefaultSinkVolume& operator=(const DefaultSinkVolume&) = delete;

    // The first channel's level; nothing on failure.
    std::optional<int> level() const;
    // Sets every channel of the default sink to `level` (clamped).
    bool setLevel(int level);
    bool setMuted(bool muted);

    std::optional<std::string> defaultSinkName() const;
    std::optional<std::vector<SinkInfo>> sinks() const;

  private:
    struct Watch;
    DefaultSinkVolume();

    std::unique_ptr<PulseConnection> connection_;
    std::unique_ptr<Watch> watch_;
};

}  // namespace sonara::audio::pulse
