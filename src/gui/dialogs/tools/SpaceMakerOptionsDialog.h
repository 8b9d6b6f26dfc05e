#pragma once

#include "core/tools/duplicates/DuplicatePreferences.h"
#include "gui/dialogs/tools/ToolDialogParts.h"
#include "gui/skin/SkinDialog.h"

class QCheckBox;
class QLineEdit;

namespace sonara::gui {

// The MP3 Space Maker's "Options": how names compare, and whether deleted
// files are first copied to a holding folder. Shows `options`; the caller
// stores options() after OK. User-interface thread.
class SpaceMakerOptionsDialog : public SkinDialog {
    Q_OBJECT
  public:
    SpaceMakerOptionsDialog(SkinContext& context, const DuplicateOptions& options,
                            QWidget* parent = nullptr);

    DuplicateOptions options() const;
    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
    void browse();

  private:
    QCheckBox* strip_;
    QCheckBox* copy_;
    QLineEdit* folder_;
    FolderChooser chooseFolder_;
};

}  // namespace sonara::gui
