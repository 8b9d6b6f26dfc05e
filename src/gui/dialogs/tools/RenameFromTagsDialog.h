#pragma once

#include "core/tools/rename/RenameSession.h"
#include "gui/dialogs/tools/ToolDialogParts.h"
#include "gui/skin/SkinDialog.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace sonara::gui {

class GradientProgress;

// "Rename Files Based on Tag Info": searches the sources or a folder tree
// for MP3 files, proposes "artist - title.MP3" from each file's tag, and
// renames the ticked files, never over an existing one; the library records
// follow their files and are saved. A row without a tag cannot be ticked.
// A thin face over RenameSession; borrows the window. User-interface thread.
class RenameFromTagsDialog : public SkinDialog {
    Q_OBJECT
  public:
    explicit RenameFromTagsDialog(MainWindow& window);
    ~RenameFromTagsDialog() override;

    // "Search": the pop-up menu, then the search it names.
    void chooseSearch();
    // DuplicatesInSources or DuplicatesByFolder; the browser may stop it.
    void search(Command from);
    void renameChecked();
    void clearAll();
    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }

    QTreeWidget* list() const { return list_; }

  public slots:
    void done(int result) override;

  protected:
    void skinChanged() override;

  private:
    void fill();
    void checkChanged(QTreeWidgetItem* item, int column);
    void toggleRow(QTreeWidgetItem* item);

    MainWindow& window_;
    RenameSession session_;
    FolderChooser chooseFolder_;
    QTreeWidget* list_;
    GradientProgress* progress_;
    QWidget* buttons_;
    bool filling_ = false;
};

}  // namespace sonara::gui
