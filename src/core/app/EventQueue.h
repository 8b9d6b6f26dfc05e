#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

#include "core/app/Dispatcher.h"

namespace sonara {

// A Dispatcher without a toolkit: the command-line companion's event loop,
// and the tests'. The thread that calls run*() is its user-interface thread.
class EventQueue final : public Dispatcher {
  public:
    using Clock = std::chrono::steady_clock;

    EventQueue() = default;
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;
    // Every timer handle must be gone by now.
    ~EventQueue() override;

    void post(Task task) override;
    void drainUntil(const std::function<bool()>& done) override;

    // Runs tasks and due timers, waiting for more, until `done` returns true
    // (checked after each task or tick, and at the start) or `timeout`
    // passes. Returns whether `done` became true.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Runs tasks and timers for `duration`.
    void runFor(std::chrono::milliseconds duration);
    // Makes a runUntil() waiting on another thread look at its condition now.
    void wake();

  private:
    struct Timer {
        std::chrono::milliseconds interval;
        Clock::time_point due;
        Task tick;
    };
    int addTimer(int intervalMs, Task tick) override;
    void restartTimer(int id, int intervalMs) override;
    void removeTimer(int id) override;
    // One task or due tick, or nothing by `deadline`.
    bool runOne(Clock::time_point deadline);

    std::mutex mutex_;
    std::condition_variable wakeUp_;
    std::deque<Task> tasks_;
    std::map<int, Timer> timers_;
    int lastTimerId_ = 0;
    bool woken_ = false;
};

}  // namespace sonara
