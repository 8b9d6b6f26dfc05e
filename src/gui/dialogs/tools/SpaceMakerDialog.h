#pragma once

#include <QString>

#include "core/tools/duplicates/DuplicateSession.h"
#include "gui/dialogs/tools/ToolListDialog.h"

class QLabel;
class QTreeWidgetItem;

namespace sonara::gui {

// "MP3 Space Maker": searches the sources or a folder tree for MP3 files
// stored more than once, lists the copies with the largest of each name
// unchecked, and deletes the checked ones (first copied to the holding
// folder when the options say so). Records of names with no copy left go
// from the library, which is then saved. A thin face over DuplicateSession;
// borrows the window. User-interface thread.
class SpaceMakerDialog : public ToolListDialog {
    Q_OBJECT
  public:
    explicit SpaceMakerDialog(MainWindow& window);
    ~SpaceMakerDialog() override;

    void search(Command from) override;
    void deleteChecked();
    void clearAll();
    void openOptions();

    QString foundText() const;
    QString markedText() const;

  private:
    void fill();
    void showTotals();
    void rowChecked(size_t row, bool checked) override;

    DuplicatePreferences preferences_;
    DuplicateSession session_;
    QLabel* found_;
    QLabel* marked_;
};

}  // namespace sonara::gui
