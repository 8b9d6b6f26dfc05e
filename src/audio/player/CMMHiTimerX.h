#pragma once

#include <functional>

#include "core/app/Dispatcher.h"

namespace sonara::audio {

// A timer that ticks at its interval while enabled. Ticks run on the
// user-interface thread (through the Dispatcher), where everything they feed
// lives, so nothing they touch needs a lock. The priority (0 idle .. 6 time
// critical) is kept for the settings that choose it; a tick's place in the
// user-interface queue does not depend on it.
class CMMHiTimerX {
  public:
    explicit CMMHiTimerX(Dispatcher& dispatcher);
    CMMHiTimerX(const CMMHiTimerX&) = delete;
    CMMHiTimerX& operator=(const CMMHiTimerX&) = delete;

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setPriority(int priority);
    int priority() const { return priority_; }

    std::function<void()> onTick;

  private:
    void restart();

    Dispatcher& dispatcher_;
    TimerHandle timer_;
    bool enabled_ = false;
    int interval_ = 1000;
    int priority_ = 3;
};

}  // namespace sonara::audio
