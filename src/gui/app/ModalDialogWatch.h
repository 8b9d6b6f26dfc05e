#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QDialog;

namespace sonara::gui {

// Watches, while the event loop runs (a dialog's own exec() included), for
// the modal dialog a command opened to settle: shown, its opening animation
// over, and the same dialog for `settleMs`. Progress dialogs are passed
// over: the work they show comes before the dialog asked for. Calls `found`
// once with the dialog, or with nullptr after `timeoutMs`.
// User-interface thread only.
class ModalDialogWatch final : public QObject {
    Q_OBJECT
  public:
    ModalDialogWatch(std::function<void(QDialog*)> found, int settleMs, int timeoutMs,
                     QObject* parent = nullptr);

    void start(int pollMs = 10);
    bool isWatching() const { return poll_.isActive(); }
    // The dialog that settled, while it lives.
    QDialog* dialog() const { return settled_; }

  private:
    void check();
    void finish(QDialog* dialog);

    std::function<void(QDialog*)> found_;
    int settleMs_;
    int timeoutMs_;
    QTimer poll_;
    QElapsedTimer waited_;
    QElapsedTimer steady_;
    QPointer<QDialog> candidate_;
    QPointer<QDialog> settled_;
};

}  // namespace sonara::gui
