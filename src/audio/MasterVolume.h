#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/pulse/PulseSinks.h"

namespace sonara {
class Dispatcher;
}

namespace sonara::audio {

namespace pulse {
class DefaultSinkVolume;
}

// The system's master output volume: the sound server's default sink, as a
// control of 0..65535 (65535 is the sink's 100 %). One per window that shows
// the master level.
//
// A single process-wide pointer names the active MasterVolume; only it hears
// of changes. Constructing one that opens makes it active; makeActive()
// takes the role back; destroying the active one leaves none active.
//
// Threads: construct, use and destroy it on the user-interface thread. The
// change callback runs there too, posted through `dispatcher`, which must
// outlive this object. Without a sound server every query answers nothing and
// nothing waits longer than the connection timeout (about 2 s, once).
class MasterVolume {
  public:
    // Called with the new level (0..65535) and the user data given with it.
    using Callback = std::function<void(int value, void* userData)>;

    explicit MasterVolume(Dispatcher& dispatcher);
    ~MasterVolume();
    MasterVolume(const MasterVolume&) = delete;
    MasterVolume& operator=(const MasterVolume&) = delete;

    bool hasVolumeControl() const;
    // Unmutes (enable) or mutes (disable) the default sink.
    void enableLine();
    void disableLine();
    // Nothing without a volume control.
    std::optional<int> steps() const;
    std::optional<int> minimum() const;
    std::optional<int> maximum() const;
    // The first channel's level; nothing without a control or on failure.
    std::optional<int> getVolume() const;
    // Sets every channel; a value outside minimum()..maximum() is ignored.
    void setVolume(int value);
    // Called when the default sink's level changes (by any program) while
    // this object is the active one.
    void setCallback(Callback callback, void* userData);
    void makeActive();

    bool isActive() const;
    // The default sink's name and the server's sinks (empty without a server).
    std::string defaultSinkName() const;
    std::vector<pulse::SinkInfo> sinks() const;

  private:
    void changed(int value);

    // Names this object in tasks posted from the sound server's thread, which
    // may run after it is gone.
    const uint64_t serial_;
    std::unique_ptr<pulse::DefaultSinkVolume> sink_;
    Callback callback_;
    void* userData_ = nullptr;
};

}  // namespace sonara::audio
