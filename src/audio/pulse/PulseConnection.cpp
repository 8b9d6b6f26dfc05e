#include "audio/pulse/PulseConnection.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/operation.h>
#include <pulse/rtclock.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

namespace sonara::audio::pulse {

namespace {

// A wake-up call at a deadline, so that waits on the main loop end even
// when the server falls silent.
struct Alarm {
    pa_threaded_mainloop* loop;
    bool rang = false;
};

void onAlarm(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userData) noexcept {
    auto* alarm = static_cast<Alarm*>(userData);
    alarm->rang = true;
    pa_threaded_mainloop_signal(alarm->loop, 0);
}

}  // namespace

Result<std::unique_ptr<PulseConnection>> PulseConnection::connect(
    const std::string& clientName, std::chrono::milliseconds timeout) {
    using Failure = Result<std::unique_ptr<PulseConnection>>;
    std::unique_ptr<PulseConnection> connection(new PulseConnection);
    connection->loop_ = pa_threaded_mainloop_new();
    if (connection->loop_ == nullptr) {
        return Failure::failure("cannot create the PulseAudio main loop");
    }
    // The client configuration and PULSE_SERVER are read here.
    connection->context_ =
        pa_context_new(pa_threaded_mainloop_get_api(connection->loop_), clientName.c_str());
    if (connection->context_ == nullptr) {
        return Failure::failure("cannot create a PulseAudio context");
    }
    pa_context_set_state_callback(connection->context_, &PulseConnection::onContextState,
                                  connection.get());
    if (pa_context_connect(connection->context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return Failure::failure(pa_strerror(pa_context_errno(connection->context_)));
    }
    if (pa_threaded_mainloop_start(connection->loop_) < 0) {
        return Failure::failure("cannot start the PulseAudio main loop");
    }
    Lock lock(*connection);
    const auto settled = [&] {
        const pa_context_state_t state = pa_context_get_state(connection->context_);
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    };
    if (!connection->waitUntil(settled, Clock::now() + timeout)) {
        return Failure::failure("no answer from the sound server");
    }
    if (!connection->ready()) {
        return Failure::failure(connection->lastError());
    }
    return connection;
}

PulseConnection::~PulseConnection() {
    // The loop thread stops first, so no callback runs while we tear down.
    if (loop_ != nullptr) {
        pa_threaded_mainloop_stop(loop_);
    }
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_set_subscribe_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    if (loop_ != nullptr) {
        pa_threaded_mainloop_free(loop_);
    }
}

PulseConnection::Lock::Lock(const PulseConnection& connection) : loop_(connection.loop_) {
    pa_threaded_mainloop_lock(loop_);
}

PulseConnection::Lock::~Lock() {
    pa_threaded_mainloop_unlock(loop_);
}

void PulseConnection::onContextState(pa_context*, void* self) noexcept {
    static_cast<PulseConnection*>(self)->signal();
}

void PulseConnection::signal() const {
    pa_threaded_mainloop_signal(loop_, 0);
}

bool PulseConnection::ready() const {
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
}

std::string PulseConnection::lastError() const {
    return pa_strerror(pa_context_errno(context_));
}

bool PulseConnection::waitUntil(const std::function<bool()>& done,
                                Clock::time_point deadline) const {
    if (done()) {
        return true;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    Alarm alarm{loop_};
    pa_time_event* event = pa_context_rttime_new(
        context_, pa_rtclock_now() + pa_usec_t(left.count()), &onAlarm, &alarm);
    if (event == nullptr) {
        return done();
    }
    while (!done() && !alarm.rang) {
        pa_threaded_mainloop_wait(loop_);
    }
    pa_threaded_mainloop_get_api(loop_)->time_free(event);
    return done();
}

bool PulseConnection::complete(pa_operation* operation, std::chrono::milliseconds timeout) const {
    if (operation == nullptr) {
        return false;
    }
    const bool finished = waitUntil(
        [&] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING || !ready(); },
        Clock::now() + timeout);
    const bool done = finished && pa_operation_get_state(operation) == PA_OPERATION_DONE;
    if (!done) {
        // Its callback must not run later on a caller's stack frame.
        pa_operation_cancel(operation);
    }
    pa_operation_unref(operation);
    return done;
}

}  // namespace sonara::audio::pulse
