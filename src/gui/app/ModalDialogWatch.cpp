#include "gui/app/ModalDialogWatch.h"

#include <QApplication>
#include <QDialog>

#include "gui/app/ProgressDialog.h"
#include "gui/skin/SkinDialog.h"

namespace sonara::gui {

namespace {

bool isSettling(const QDialog& dialog) {
    const auto* skinned = qobject_cast<const SkinDialog*>(&dialog);
    return skinned != nullptr && skinned->isAnimating();
}

}  // namespace

ModalDialogWatch::ModalDialogWatch(std::function<void(QDialog*)> found, int settleMs, int timeoutMs,
                                   QObject* parent)
    : QObject(parent), found_(std::move(found)), settleMs_(settleMs), timeoutMs_(timeoutMs) {
    connect(&poll_, &QTimer::timeout, this, &ModalDialogWatch::check);
}

void ModalDialogWatch::start(int pollMs) {
    waited_.start();
    poll_.start(pollMs);
}

void ModalDialogWatch::check() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool usable = dialog != nullptr && dialog->isVisible() &&
                        qobject_cast<ProgressDialog*>(dialog) == nullptr && !isSettling(*dialog);
    if (!usable) {
        candidate_ = nullptr;
    } else if (dialog != candidate_) {
        candidate_ = dialog;
        steady_.start();
    }
    if (candidate_ && steady_.elapsed() >= settleMs_) {
        finish(candidate_);
        return;
    }
    if (waited_.elapsed() > timeoutMs_) {
        finish(nullptr);
    }
}

void ModalDialogWatch::finish(QDialog* dialog) {
    poll_.stop();
    settled_ = dialog;
    found_(dialog);
}

}  // namespace sonara::gui
