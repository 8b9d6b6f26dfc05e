#pragma once

#include <QObject>

class QSocketNotifier;

namespace sonara::gui {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface
// thread, so that a logout, a kill or a closed terminal ends the program the
// way Exit does and the data files are saved. The handler only writes to a
// pipe (the one thing a signal handler may safely do); the notifier reads it.
// One per process, as signal dispositions are; the destructor restores the
// defaults.
class TerminationSignals final : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe could not be made (the signals then end the
    // program at once, as without this class).
    bool watching() const { return notifier_ != nullptr; }

  signals:
    void received(int signalNumber);

  private:
    void readPending();

    int fds_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace sonara::gui
