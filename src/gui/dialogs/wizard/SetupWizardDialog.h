#pragma once

#include <functional>
#include <vector>

#include "core/tools/wizard/SetupWizard.h"
#include "core/tools/wizard/WizardPages.h"
#include "gui/skin/SkinDialog.h"

class QListWidget;
class QRadioButton;

namespace sonara {
struct LibraryScope;
}

namespace sonara::gui {

class SkinCaptionButton;
class SkinLabel;
class SkinPicture;

// "Sonara Setup Wizard": the drives to search, the removable-media question,
// the removable drives and "Add", filling up page by page. "Next >" (and
// Return) runs the drive search and the folder adds in the progress dialog,
// whose event pumping keeps the window painting; Cancel asks first.
// Borrows the scope, whose library, sources and cache it fills;
// `songsAdded` runs after each add that brought songs (the caller saves).
// The drives are listed when the dialog is first shown, never before.
// User-interface thread only.
class SetupWizardDialog final : public SkinDialog {
    Q_OBJECT
  public:
    SetupWizardDialog(SkinContext& context, LibraryScope& scope, WizardSkips skips,
                      std::function<void()> songsAdded, QWidget* parent);

    int page() const { return pages_.page(); }
    QListWidget* driveList() const { return driveList_; }
    QListWidget* removableList() const { return removableList_; }
    QRadioButton* yesButton() const { return yes_; }
    SkinCaptionButton* prevButton() const { return prev_; }
    SkinCaptionButton* nextButton() const { return next_; }
    SkinCaptionButton* addButton() const { return add_; }

  public slots:
    void next();
    void prev();
    void addMedia();
    // Asks whether to cancel; ignored while a search or an add runs.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void skinChanged() override;

  private:
    void buildLayout();
    void searchDrives();
    void setBusy(bool busy);
    void showPage();

    LibraryScope& scope_;
    WizardSkips skips_;
    std::function<void()> songsAdded_;
    WizardPages pages_;
    std::vector<WizardDrive> drives_;
    std::vector<WizardDrive> removable_;

    SkinPicture* picture_;
    SkinLabel* drivesLabel_;
    QListWidget* driveList_;
    SkinLabel* questionLabel_;
    QRadioButton* no_;
    QRadioButton* yes_;
    SkinLabel* removableLabel_;
    QListWidget* removableList_;
    SkinLabel* insertLabel_;
    SkinCaptionButton* add_;
    SkinCaptionButton* cancel_;
    SkinCaptionButton* prev_;
    SkinCaptionButton* next_;
};

}  // namespace sonara::gui
