#include "gui/app/ProgressDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QThread>
#include <exception>
#include <thread>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

// Often enough to read as live, rarely enough to cost nothing.
constexpr int kLineRefreshMs = 50;

QString qText(TextId id) {
    return QString::fromStdString(stringText(id));
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ProgressDialog::ProgressDialog(SkinContext& context, const QString& title, const QString& text,
                               QWidget* parent)
    : SkinDialog(context, parent, true) {
    setWindowTitle(title);
    setModal(true);
    auto* line = new SkinLabel(context, text, this);
    auto* fileLabel = new SkinLabel(context, qText(TextId::ProgressFileName), this);
    auto* folderLabel = new SkinLabel(context, qText(TextId::ProgressFolder), this);
    fileName_ = new SkinLabel(context, {}, this);
    folder_ = new SkinLabel(context, {}, this);
    // Long names shrink rather than widen the dialog on every file.
    fileName_->setMode(SkinLabel::kShrinkToFit);
    folder_->setMode(SkinLabel::kShrinkToFit);
    cancel_ = new SkinCaptionButton(context, this);
    cancel_->setText(qText(TextId::ProgressCancel));
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(line, 0, 0, 1, 2);
    layout->addWidget(fileLabel, 1, 0);
    layout->addWidget(fileName_, 1, 1);
    layout->addWidget(folderLabel, 2, 0);
    layout->addWidget(folder_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addStretch();
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::reject);
    resize(420, 150);
    pendingTimer_.setInterval(kLineRefreshMs);
    connect(&pendingTimer_, &QTimer::timeout, this, &ProgressDialog::showPending);
}

void ProgressDialog::show(std::string_view fileName, std::string_view folder) {
    if (QThread::currentThread() != thread()) {
        const std::lock_guard lock(pendingMutex_);
        pendingFile_.assign(fileName);
        pendingFolder_.assign(folder);
        pendingChanged_ = true;
        return;
    }
    fileName_->setText(fromView(fileName));
    folder_->setText(fromView(folder));
    QCoreApplication::processEvents();
}

void ProgressDialog::showPending() {
    QString file;
    QString folder;
    {
        const std::lock_guard lock(pendingMutex_);
        if (!pendingChanged_) {
            return;
        }
        pendingChanged_ = false;
        file = QString::fromStdString(pendingFile_);
        folder = QString::fromStdString(pendingFolder_);
    }
    fileName_->setText(file);
    folder_->setText(folder);
}

bool ProgressDialog::runInBackground(const std::function<bool(Progress&)>& work) {
    bool done = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            done = work(*this);
        } catch (...) {
            failure = std::current_exception();
        }
        // Queued to the dialog: dropped unread when exec() ended first and
        // the dialog is gone.
        QMetaObject::invokeMethod(
            this, [this] { QDialog::done(Accepted); }, Qt::QueuedConnection);
    });
    pendingTimer_.start();
    const int shown = exec();
    if (shown != Accepted) {
        cancelled_ = true;  // closed from outside while the work ran
    }
    worker.join();
    pendingTimer_.stop();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return done && !cancelled();
}

QString ProgressDialog::fileNameText() const {
    return fileName_->text();
}

QString ProgressDialog::folderText() const {
    return folder_->text();
}

void ProgressDialog::reject() {
    // The dialog stays up until the work sees the flag and returns.
    cancelled_ = true;
    cancel_->setEnabled(false);
}

}  // namespace sonara::gui
