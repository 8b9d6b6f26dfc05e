#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gui/skin/SkinDialog.h"

class QCheckBox;
class QListWidget;

namespace sonara {
class Library;
class Prompter;
class RemovableMediaModel;
class SourcesList;
}  // namespace sonara

namespace sonara::gui {

class SkinCaptionButton;

// "Select Removable Media": the medium names of the library's songs, with
// "Select", "Edit", "Delete" (enabled only with a selection), "Close" and
// "Check Availability On Close". Edit renames a medium in the records and
// the sources, Delete removes its records and sources after a question;
// both are saved at once through the hooks. Select stores the check box,
// saves the preferences and ends the dialog with Accepted; chosenMedium()
// says which medium the window is to show. Borrows everything it is given;
// user-interface thread only.
class RemovableMediaDialog : public SkinDialog {
    Q_OBJECT
  public:
    struct Hooks {
        // Before records are destroyed: the window's lists let go of them.
        std::function<void()> beforeRemoval;
        // After an edit or a removal: the data files are saved.
        std::function<void()> save;
    };

    RemovableMediaDialog(SkinContext& context, Library& library, SourcesList& sources,
                         Prompter& prompter, Hooks hooks, QWidget* parent = nullptr);
    ~RemovableMediaDialog() override;

    // After Select: the medium to show ("" for every song).
    const std::string& chosenMedium() const { return chosen_; }
    // Whether Delete removed a medium while the dialog was open.
    bool removedAny() const;

    QListWidget* list() const { return list_; }
    QCheckBox* checkOnClose() const { return checkOnClose_; }
    SkinCaptionButton* selectButton() const { return select_; }
    SkinCaptionButton* editButton() const { return edit_; }
    SkinCaptionButton* deleteButton() const { return delete_; }
    SkinCaptionButton* closeButton() const { return close_; }

  protected:
    void skinChanged() override;

  private:
    void selectMedium();
    void editMedium();
    void deleteMedium();
    void rowChanged(int row);
    void refill();

    std::unique_ptr<RemovableMediaModel> model_;
    Prompter& prompter_;
    Hooks hooks_;
    std::string chosen_;
    QListWidget* list_;
    QCheckBox* checkOnClose_;
    SkinCaptionButton* select_;
    SkinCaptionButton* edit_;
    SkinCaptionButton* delete_;
    SkinCaptionButton* close_;
};

}  // namespace sonara::gui
