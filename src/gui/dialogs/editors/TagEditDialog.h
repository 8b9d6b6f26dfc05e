#pragma once

#include <memory>
#include <string>

#include "gui/skin/SkinDialog.h"

namespace sonara {
class Prompter;
}

namespace sonara::gui {

class SkinCaptionButton;
class TagFieldEdits;

// "MP3Tag Info": the tag of one file. Opens with the file's tag (empty
// fields when it has none); OK writes a new tag from the fields. A comment
// over 30 characters, or characters the tag cannot store, keep it open with
// a message; a failed write is shown and the dialog closes. Borrows the
// prompter. User-interface thread only.
class TagEditDialog : public SkinDialog {
    Q_OBJECT
  public:
    TagEditDialog(SkinContext& context, Prompter& prompter, std::string path,
                  QWidget* parent = nullptr);
    ~TagEditDialog() override;

    TagFieldEdits& edits() const { return *edits_; }
    SkinCaptionButton* okButton() const { return ok_; }

  protected:
    bool validate() override;
    void skinChanged() override;

  private:
    Prompter& prompter_;
    std::string path_;
    std::unique_ptr<TagFieldEdits> edits_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
};

}  // namespace sonara::gui
