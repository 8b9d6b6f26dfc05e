#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

#include "core/tools/transfer/PortableDevices.h"
#include "core/tools/transfer/TransferSession.h"

namespace sonara::gui {

// Runs one device step at a time on a worker thread while the calling thread
// goes on handling events, so the windows repaint during a call that may
// block for seconds.
//
// Thread: made and used on the user-interface thread. The step runs on the
// worker and must touch only what the caller handed it; run() returns only
// after the worker has ended, so what the step borrows from the caller's
// stack stays valid. The status sink and the progress may be called on the
// worker: status texts reach this thread as queued calls, dropped with this
// object.
class DeviceCall final : public QObject {
    Q_OBJECT
  public:
    // Whether input reaches the windows meanwhile. Held input waits until the
    // call has ended (nothing can start a second piece of work over it).
    enum class Input { Taken, Held };

    explicit DeviceCall(QObject* parent = nullptr);
    ~DeviceCall() override;

    // Runs `step` and returns once it has ended; an exception it throws is
    // thrown here. False, without running it, while another step runs.
    bool run(const std::function<void()>& step, Input input = Input::Taken);
    bool running() const { return running_; }

    // From now until the next run, the progress handed out says "cancel".
    void cancel() { cancelled_.store(true); }
    bool cancelled() const { return cancelled_.load(); }

    // For the session: relays its texts as statusShown (empty clears).
    TransferSession::StatusSink statusSink();
    // For sends: false once cancelled.
    SendProgress progress();

  signals:
    void statusShown(const QString& text);
    // Before a step starts and after it has ended.
    void runningChanged(bool running);

  private:
    bool running_ = false;
    std::atomic<bool> cancelled_{false};
};

}  // namespace sonara::gui
