#pragma once

#include <functional>

namespace sonara {

// The user-interface thread's queue, as the core and audio layers see it.
// Components that run threads of their own (players, timers, converters)
// hand their events to the user-interface thread through post(); all engine
// code then runs on that one thread, without locks of its own.
//
// post() may be called from any thread. Everything else is called on the
// user-interface thread only, and every task and tick runs there.
class Dispatcher {
  public:
    using Task = std::function<void()>;

    virtual ~Dispatcher() = default;

    // Queues `task`; never blocks and never runs it at once.
    virtual void post(Task task) = 0;
    // Runs tasks already queued, one at a time, until `done` returns true
    // (checked before each) or none is left. Never waits for new ones.
    virtual void drainUntil(const std::function<bool()>& done) = 0;
    // Starts, or restarts with a new interval, the timer `id`: `tick` runs
    // every `intervalMs` until killTimer(id). Ids are the caller's.
    virtual void startTimer(int id, int intervalMs, Task tick) = 0;
    virtual void killTimer(int id) = 0;
};

}  // namespace sonara
