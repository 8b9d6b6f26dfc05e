#pragma once

#include <QString>

#include "core/tools/duplicates/DuplicateSession.h"
#include "gui/dialogs/tools/ToolDialogParts.h"
#include "gui/skin/SkinDialog.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace sonara::gui {

class GradientProgress;

// "MP3 Space Maker": searches the sources or a folder tree for MP3 files
// stored more than once, lists the copies with the largest of each name
// unchecked, and deletes the checked ones (first copied to the holding
// folder when the options say so). Records of names with no copy left go
// from the library, which is then saved. A thin face over DuplicateSession;
// borrows the window. User-interface thread.
class SpaceMakerDialog : public SkinDialog {
    Q_OBJECT
  public:
    explicit SpaceMakerDialog(MainWindow& window);
    ~SpaceMakerDialog() override;

    // "Search": the pop-up menu, then the search it names.
    void chooseSearch();
    // DuplicatesInSources or DuplicatesByFolder; the browser may stop it.
    void search(Command from);
    void deleteChecked();
    void clearAll();
    void openOptions();
    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }

    QTreeWidget* list() const { return list_; }
    QString foundText() const;
    QString markedText() const;

  public slots:
    void done(int result) override;

  protected:
    void skinChanged() override;

  private:
    void fill();
    void showTotals();
    void setBusy(bool busy);
    void checkChanged(QTreeWidgetItem* item, int column);

    MainWindow& window_;
    DuplicatePreferences preferences_;
    DuplicateSession session_;
    FolderChooser chooseFolder_;
    QTreeWidget* list_;
    GradientProgress* progress_;
    QLabel* found_;
    QLabel* marked_;
    QWidget* buttons_;
    bool filling_ = false;
};

}  // namespace sonara::gui
