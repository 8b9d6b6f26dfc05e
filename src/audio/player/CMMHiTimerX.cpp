#include "audio/player/CMMHiTimerX.h"

#include <algorithm>

#include "core/app/Dispatcher.h"

namespace sonara::audio {

CMMHiTimerX::CMMHiTimerX(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

void CMMHiTimerX::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled_) {
        restart();
    } else {
        timer_.stop();
    }
}

void CMMHiTimerX::setInterval(int milliseconds) {
    interval_ = std::max(1, milliseconds);
    timer_.restart(interval_);
}

void CMMHiTimerX::setPriority(int priority) {
    priority_ = std::clamp(priority, 0, 6);
}

void CMMHiTimerX::restart() {
    timer_ = dispatcher_.startTimer(interval_, [this] {
        if (enabled_ && onTick) {
            onTick();
        }
    });
}

}  // namespace sonara::audio
