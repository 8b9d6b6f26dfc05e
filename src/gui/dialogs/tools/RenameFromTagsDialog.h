#pragma once

#include "core/tools/rename/RenameSession.h"
#include "gui/dialogs/tools/ToolListDialog.h"

class QTreeWidgetItem;

namespace sonara::gui {

// "Rename Files Based on Tag Info": searches the sources or a folder tree
// for MP3 files, proposes "artist - title.MP3" from each file's tag, and
// renames the ticked files, never over an existing one; the library records
// follow their files and are saved. A row without a tag cannot be ticked.
// A thin face over RenameSession; borrows the window. User-interface thread.
class RenameFromTagsDialog : public ToolListDialog {
    Q_OBJECT
  public:
    explicit RenameFromTagsDialog(MainWindow& window);
    ~RenameFromTagsDialog() override;

    void search(Command from) override;
    void renameChecked();
    void clearAll();

  private:
    void fill();
    void rowChecked(size_t row, bool checked) override;
    void toggleRow(QTreeWidgetItem* item);

    RenameSession session_;
};

}  // namespace sonara::gui
