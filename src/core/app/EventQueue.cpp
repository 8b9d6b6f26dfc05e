#include "core/app/EventQueue.h"

#include <cassert>
#include <utility>

namespace sonara {

namespace {

std::chrono::milliseconds atLeastOne(int intervalMs) {
    return std::chrono::milliseconds(intervalMs < 1 ? 1 : intervalMs);
}

}  // namespace

EventQueue::~EventQueue() {
    assert(timers_.empty() && "a TimerHandle outlived its EventQueue");
}

void EventQueue::post(Task task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wakeUp_.notify_all();
}

void EventQueue::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wakeUp_.notify_all();
}

void EventQueue::drainUntil(const std::function<bool()>& done) {
    // Only what is queued now: a task that posts another does not keep the
    // drain going for ever.
    size_t queued = 0;
    {
        std::lock_guard lock(mutex_);
        queued = tasks_.size();
    }
    while (queued-- > 0 && !done()) {
        Task task;
        {
            std::lock_guard lock(mutex_);
            if (tasks_.empty()) {
                return;
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

int EventQueue::addTimer(int intervalMs, Task tick) {
    const auto interval = atLeastOne(intervalMs);
    int id = 0;
    {
        std::lock_guard lock(mutex_);
        id = ++lastTimerId_;
        timers_.emplace(id, Timer{interval, Clock::now() + interval, std::move(tick)});
    }
    wakeUp_.notify_all();
    return id;
}

void EventQueue::restartTimer(int id, int intervalMs) {
    {
        std::lock_guard lock(mutex_);
        const auto it = timers_.find(id);
        if (it == timers_.end()) {
            return;
        }
        it->second.interval = atLeastOne(intervalMs);
        it->second.due = Clock::now() + it->second.interval;
    }
    wakeUp_.notify_all();
}

void EventQueue::removeTimer(int id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
}

bool EventQueue::runOne(Clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!tasks_.empty()) {
            Task task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
            return true;
        }
        const auto now = Clock::now();
        auto next = deadline;
        for (auto& [id, timer] : timers_) {
            if (timer.due <= now) {
                // Run a copy: the tick may kill or restart its own timer.
                Task tick = timer.tick;
                timer.due = now + timer.interval;
                lock.unlock();
                tick();
                return true;
            }
            next = std::min(next, timer.due);
        }
        if (woken_) {
            woken_ = false;
            return true;
        }
        if (now >= deadline) {
            return false;
        }
        wakeUp_.wait_until(lock, next);
    }
}

bool EventQueue::runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        if (!runOne(deadline)) {
            return done();
        }
    }
    return true;
}

void EventQueue::runFor(std::chrono::milliseconds duration) {
    runUntil([] { return false; }, duration);
}

}  // namespace sonara
