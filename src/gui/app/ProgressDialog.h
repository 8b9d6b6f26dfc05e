#pragma once

#include <atomic>

#include "core/app/Prompter.h"
#include "gui/skin/SkinDialog.h"

class QLabel;

namespace sonara::gui {

class SkinCaptionButton;
class SkinLabel;

// The skinned progress dialog of scans: its title, a text line, the file and
// the folder being worked on, and Cancel. Cancel (or closing the window)
// sets the cancel flag; the work loop sees it at its next file and ends.
// User-interface thread only.
class ProgressDialog final : public SkinDialog, public Progress {
    Q_OBJECT
  public:
    ProgressDialog(SkinContext& context, const QString& title, const QString& text,
                   QWidget* parent = nullptr);

    // Progress: the two lines, then the pending events (Cancel among them).
    void show(std::string_view fileName, std::string_view folder) override;
    const std::atomic<bool>& cancelFlag() const override { return cancelled_; }

    QString fileNameText() const;
    QString folderText() const;
    SkinCaptionButton* cancelButton() const { return cancel_; }

  public slots:
    void reject() override;

  private:
    SkinLabel* fileName_ = nullptr;
    SkinLabel* folder_ = nullptr;
    SkinCaptionButton* cancel_ = nullptr;
    std::atomic<bool> cancelled_{false};
};

}  // namespace sonara::gui
