#include "audio/player/CMMHiTimerX.h"

#include <algorithm>

#include "core/app/Dispatcher.h"

namespace sonara::audio {

CMMHiTimerX::CMMHiTimerX(Dispatcher& dispatcher, int timerId)
    : dispatcher_(dispatcher), timerId_(timerId) {}

CMMHiTimerX::~CMMHiTimerX() {
    if (enabled_) {
        dispatcher_.killTimer(timerId_);
    }
}

void CMMHiTimerX::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled_) {
        restart();
    } else {
        dispatcher_.killTimer(timerId_);
    }
}

void CMMHiTimerX::setInterval(int milliseconds) {
    interval_ = std::max(1, milliseconds);
    if (enabled_) {
        restart();
    }
}

void CMMHiTimerX::setPriority(int priority) {
    priority_ = std::clamp(priority, 0, 6);
}

void CMMHiTimerX::restart() {
    dispatcher_.startTimer(timerId_, interval_, [this] {
        if (enabled_ && onTick) {
            onTick();
        }
    });
}

}  // namespace sonara::audio
