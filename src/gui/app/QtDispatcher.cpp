#include "gui/app/QtDispatcher.h"

#include <QTimer>
#include <cassert>

namespace sonara::gui {

namespace {

int atLeastOne(int intervalMs) {
    return intervalMs < 1 ? 1 : intervalMs;
}

}  // namespace

QtDispatcher::QtDispatcher() = default;

QtDispatcher::~QtDispatcher() {
    assert(timers_.empty() && "a TimerHandle outlived its QtDispatcher");
}

void QtDispatcher::post(Task task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    // One queued event per task; a task drainUntil() already ran leaves its
    // event with nothing to do. Events for a destroyed dispatcher are dropped.
    QMetaObject::invokeMethod(
        &events_, [this] { runOldest(); }, Qt::QueuedConnection);
}

bool QtDispatcher::runOldest() {
    Task task;
    {
        std::lock_guard lock(mutex_);
        if (tasks_.empty()) {
            return false;
        }
        task = std::move(tasks_.front());
        tasks_.pop_front();
    }
    task();
    return true;
}

void QtDispatcher::drainUntil(const std::function<bool()>& done) {
    // Only what is queued now: a task that posts another does not keep the
    // drain going for ever.
    size_t queued = 0;
    {
        std::lock_guard lock(mutex_);
        queued = tasks_.size();
    }
    while (queued-- > 0 && !done() && runOldest()) {
    }
}

int QtDispatcher::addTimer(int intervalMs, Task tick) {
    const int id = ++lastTimerId_;
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, &events_, [this, id] { this->tick(id); });
    timer->start(atLeastOne(intervalMs));
    timers_.emplace(id, Timer{std::move(timer), std::move(tick)});
    return id;
}

void QtDispatcher::tick(int id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) {
        return;
    }
    // Run a copy: the tick may stop its own timer, which destroys the original.
    const Task tick = it->second.tick;
    const int outer = ticking_;
    ticking_ = id;
    tick();
    ticking_ = outer;
}

void QtDispatcher::restartTimer(int id, int intervalMs) {
    if (const auto it = timers_.find(id); it != timers_.end()) {
        it->second.timer->start(atLeastOne(intervalMs));
    }
}

void QtDispatcher::removeTimer(int id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) {
        return;
    }
    if (id == ticking_) {
        // The timer is emitting the very signal that got us here.
        QTimer* timer = it->second.timer.release();
        timer->stop();
        timer->deleteLater();
    }
    timers_.erase(it);
}

}  // namespace sonara::gui
