#pragma once

#include <functional>
#include <utility>

namespace sonara {

class Dispatcher;

// A timer running on a Dispatcher, owned by whoever started it: it ticks
// until stop(), until the handle is destroyed, or until another handle is
// assigned over it. Move-only; an empty handle (default-made or moved from)
// owns no timer.
//
// Lifetime: a handle must be stopped or destroyed before its Dispatcher;
// one that outlives it is a programming error (EventQueue asserts on it).
// User-interface thread only.
class TimerHandle {
  public:
    TimerHandle() = default;
    TimerHandle(TimerHandle&& other) noexcept
        : owner_(std::exchange(other.owner_, nullptr)), id_(other.id_) {}
    TimerHandle& operator=(TimerHandle&& other) noexcept {
        if (this != &other) {
            stop();
            owner_ = std::exchange(other.owner_, nullptr);
            id_ = other.id_;
        }
        return *this;
    }
    TimerHandle(const TimerHandle&) = delete;
    TimerHandle& operator=(const TimerHandle&) = delete;
    ~TimerHandle() { stop(); }

    bool running() const { return owner_ != nullptr; }
    // Safe inside the timer's own tick.
    void stop();
    // The same tick at a new interval, counted from now; nothing when empty.
    void restart(int intervalMs);

  private:
    friend class Dispatcher;
    TimerHandle(Dispatcher& owner, int id) : owner_(&owner), id_(id) {}

    Dispatcher* owner_ = nullptr;
    int id_ = 0;
};

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
    // `tick` runs every `intervalMs` for as long as the returned handle
    // owns the timer.
    [[nodiscard]] TimerHandle startTimer(int intervalMs, Task tick) {
        return TimerHandle(*this, addTimer(intervalMs, std::move(tick)));
    }

  private:
    friend class TimerHandle;
    // The implementer's side of the handles: ids are the implementer's own,
    // each new timer gets one not in use.
    virtual int addTimer(int intervalMs, Task tick) = 0;
    virtual void restartTimer(int id, int intervalMs) = 0;
    virtual void removeTimer(int id) = 0;
};

inline void TimerHandle::stop() {
    if (owner_ != nullptr) {
        std::exchange(owner_, nullptr)->removeTimer(id_);
    }
}

inline void TimerHandle::restart(int intervalMs) {
    if (owner_ != nullptr) {
        owner_->restartTimer(id_, intervalMs);
    }
}

}  // namespace sonara
