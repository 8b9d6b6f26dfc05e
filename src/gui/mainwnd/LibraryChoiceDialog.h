#pragma once

#include <QStringList>
#include <vector>

#include "gui/skin/SkinDialog.h"

class QListWidget;

namespace sonara::gui {

class SkinCaptionButton;

// A skinned list to choose from, with "OK" and "Cancel": the library's
// selector dialogs (one artist, album or title) and the genre picker (one
// or several genres).
class LibraryChoiceDialog : public SkinDialog {
    Q_OBJECT
  public:
    LibraryChoiceDialog(SkinContext& context, const QString& title, const QString& caption,
                        const QStringList& items, bool multiple, QWidget* parent = nullptr);

    void setSelectedRows(const std::vector<int>& rows);
    // In list order.
    std::vector<int> selectedRows() const;
    QListWidget* list() const { return list_; }
    SkinCaptionButton* okButton() const { return ok_; }

  private:
    QListWidget* list_;
    SkinCaptionButton* ok_;
};

}  // namespace sonara::gui
