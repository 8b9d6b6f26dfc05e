#pragma once

#include "gui/skin/SkinDialog.h"

class QListWidget;

namespace sonara {
class GenrePicker;
class Prompter;
}  // namespace sonara

namespace sonara::gui {

class SkinCaptionButton;

// "Select Genre" over a GenrePicker: its rows as a list, the picker's
// selection shown on opening and taken back on OK, which with nothing
// selected says so and stays open. "Select All" and "Clear All" exist only
// when several may be chosen; a double click is OK. Borrows the picker and
// the prompter. User-interface thread only.
class GenrePickerDialog : public SkinDialog {
    Q_OBJECT
  public:
    GenrePickerDialog(SkinContext& context, GenrePicker& picker, Prompter& prompter,
                      QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    SkinCaptionButton* selectAllButton() const { return selectAll_; }
    SkinCaptionButton* clearAllButton() const { return clearAll_; }
    SkinCaptionButton* okButton() const { return ok_; }

  protected:
    bool validate() override;
    void skinChanged() override;

  private:
    GenrePicker& picker_;
    Prompter& prompter_;
    QListWidget* list_;
    SkinCaptionButton* selectAll_;
    SkinCaptionButton* clearAll_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
};

}  // namespace sonara::gui
