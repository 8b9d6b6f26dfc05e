#pragma once

#include <QTimer>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "core/app/Prompter.h"
#include "gui/skin/SkinDialog.h"

class QLabel;

namespace sonara::gui {

class SkinCaptionButton;
class SkinLabel;

// The skinned progress dialog of scans: its title, a text line, the file and
// the folder being worked on, and Cancel. Cancel (or closing the window)
// sets the cancel flag; the work loop sees it at its next file and ends.
// Built and shown on the user-interface thread; show() may also be called
// from the thread of runInBackground().
class ProgressDialog final : public SkinDialog, public Progress {
    Q_OBJECT
  public:
    ProgressDialog(SkinContext& context, const QString& title, const QString& text,
                   QWidget* parent = nullptr);

    // Progress: the two lines, then the pending events (Cancel among them).
    // From another thread the lines only wait for the next repaint tick.
    void show(std::string_view fileName, std::string_view folder) override;
    // Runs `work` on a thread of its own while the dialog is modal, so the
    // windows repaint however long one file takes; returns once it ended,
    // with its result (false when it was cancelled). Closing the dialog from
    // outside cancels the work and waits for it. An exception of `work` is
    // thrown again here.
    bool runInBackground(const std::function<bool(Progress&)>& work);
    const std::atomic<bool>& cancelFlag() const override { return cancelled_; }

    QString fileNameText() const;
    QString folderText() const;
    SkinCaptionButton* cancelButton() const { return cancel_; }

  public slots:
    void reject() override;

  private:
    void showPending();

    SkinLabel* fileName_ = nullptr;
    SkinLabel* folder_ = nullptr;
    SkinCaptionButton* cancel_ = nullptr;
    std::atomic<bool> cancelled_{false};
    std::mutex pendingMutex_;
    std::string pendingFile_;
    std::string pendingFolder_;
    bool pendingChanged_ = false;
    QTimer pendingTimer_;
};

}  // namespace sonara::gui
