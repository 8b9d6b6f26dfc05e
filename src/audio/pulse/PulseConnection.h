#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/io/Result.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_operation;

namespace sonara::audio::pulse {

// The one owner of a libpulse threaded main loop and its context, connected
// to the sound server the environment names (PULSE_SERVER, client.conf).
// A server is never started for us. Every PulseAudio object of ours lives on
// one of these; its callbacks run on the connection's own thread with the
// main loop's lock held.
//
// Calls on the context and on objects made from it need the lock (Lock);
// waiting (waitUntil, complete) needs it too and releases it while asleep.
class PulseConnection {
  public:
    using Clock = std::chrono::steady_clock;
    // How long a silent server may take to answer before we give up.
    static constexpr std::chrono::milliseconds kConnectTimeout{2000};
    // How long a single request (a query, a cork, a flush) may take.
    static constexpr std::chrono::milliseconds kRequestTimeout{2000};

    // Fails with a reason for people ("Connection refused", "no answer from
    // the sound server") when no server answers within `timeout`.
    static Result<std::unique_ptr<PulseConnection>> connect(
        const std::string& clientName, std::chrono::milliseconds timeout = kConnectTimeout);

    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    pa_threaded_mainloop* loop() const { return loop_; }
    pa_context* context() const { return context_; }

    // Holds the main loop's lock for its scope. Not on the connection's own
    // thread (callbacks already hold it).
    class Lock {
      public:
        explicit Lock(const PulseConnection& connection);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

      private:
        pa_threaded_mainloop* loop_;
    };

    // Lock held. Sleeps until `done` holds, checked whenever a callback
    // signals, or until `deadline`. Returns done().
    bool waitUntil(const std::function<bool()>& done, Clock::time_point deadline) const;
    // Lock held (callbacks). Wakes every waiter so it looks at its condition.
    void signal() const;
    // Lock held. The context is connected and usable.
    bool ready() const;
    // Lock held. The server's reason for the last failure.
    std::string lastError() const;
    // Lock held. Waits for `operation` to finish, the connection to fail, or
    // `timeout`; then drops our reference. False unless it finished. A null
    // operation (the request could not be sent) gives false.
    bool complete(pa_operation* operation,
                  std::chrono::milliseconds timeout = kRequestTimeout) const;

  private:
    PulseConnection() = default;
    static void onContextState(pa_context* context, void* self) noexcept;

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

}  // namespace sonara::audio::pulse
