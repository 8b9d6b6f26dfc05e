#pragma once

#include <QObject>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

#include "core/app/Dispatcher.h"

class QTimer;

namespace sonara::gui {

// The Dispatcher over the Qt event loop of the thread that creates it (the
// user-interface thread): posted tasks run there in order, one per queued
// event, and timers are QTimers. post() may be called from any thread; the
// rest on the user-interface thread. Tasks still queued when it is destroyed
// never run; every timer handle must be gone by then.
class QtDispatcher final : public Dispatcher {
  public:
    QtDispatcher();
    QtDispatcher(const QtDispatcher&) = delete;
    QtDispatcher& operator=(const QtDispatcher&) = delete;
    ~QtDispatcher() override;

    void post(Task task) override;
    void drainUntil(const std::function<bool()>& done) override;

    int timerCount() const { return int(timers_.size()); }

  private:
    int addTimer(int intervalMs, Task tick) override;
    void restartTimer(int id, int intervalMs) override;
    void removeTimer(int id) override;
    // Runs the oldest queued task; false when none is left (drainUntil may
    // have run the one an event was queued for).
    bool runOldest();
    void tick(int id);

    struct Timer {
        std::unique_ptr<QTimer> timer;
        Task tick;
    };

    QObject events_;  // receives the queued tasks' events and the timers' signals
    std::mutex mutex_;
    std::deque<Task> tasks_;
    std::map<int, Timer> timers_;
    int lastTimerId_ = 0;
    int ticking_ = 0;  // the timer whose tick runs now
};

}  // namespace sonara::gui
