#pragma once

#include <QStringList>
#include <string_view>
#include <vector>

#include "gui/dialogs/tools/ToolDialogParts.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinDialog.h"

class QTreeWidget;
class QVBoxLayout;

namespace sonara::gui {

class GradientProgress;
class SkinCaptionButton;

// The frame the searching library tools share: a resizable window whose
// list of checkable rows fills it, a column of skin buttons at the right
// with a progress bar under it, the search's start menu and folder browser,
// and the size kept under a placement key. Borrows the window.
// User-interface thread.
class ToolListDialog : public SkinDialog {
    Q_OBJECT
  public:
    ToolListDialog(MainWindow& window, std::string_view placementKey, const QStringList& columns,
                   std::vector<double> columnShares);

    // "Search": the pop-up menu, then the search it names.
    void chooseSearch();
    // DuplicatesInSources or DuplicatesByFolder; the browser may stop it.
    virtual void search(Command from) = 0;
    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
    QTreeWidget* list() const { return list_; }

  public slots:
    void done(int result) override;

  protected:
    void skinChanged() override;
    MainWindow& window() const { return window_; }
    // Adds the next button of the column (the first is the default one).
    SkinCaptionButton* addButton(const QString& text, int row);
    // Under the list, for lines of totals.
    QVBoxLayout* belowList() const { return below_; }
    // Takes the folders `from` names and runs the session's search with the
    // buttons off; false, with nothing searched, when the browser was
    // cancelled or its folder refused (already told).
    template <typename Session>
    bool searchWith(Session& session, Command from, const QString& browseStart);
    // Buttons off while a search or a deletion runs.
    void setBusy(bool busy);
    // The progress bar full over `rows`, and the columns at their shares.
    void finishFill(int rows);
    void clearRows();
    // "Clear All" on the rows (the caller clears its session).
    void uncheckRows();
    // The user ticked or unticked `row`'s check box (column 0).
    virtual void rowChecked(size_t row, bool checked) = 0;
    // Whether rows are being filled: check changes then are not the user's.
    bool filling_ = false;

  private:
    QString pickFolder(const QString& start);

    MainWindow& window_;
    std::string_view placementKey_;
    std::vector<double> shares_;
    FolderChooser chooseFolder_;
    QTreeWidget* list_;
    GradientProgress* progress_;
    QWidget* buttons_;
    QVBoxLayout* column_;
    QVBoxLayout* below_;
};

template <typename Session>
bool ToolListDialog::searchWith(Session& session, Command from, const QString& browseStart) {
    if (from == Command::DuplicatesInSources) {
        session.useSources(window_.services().sources);
    } else if (from == Command::DuplicatesByFolder) {
        const QString chosen = pickFolder(browseStart);
        if (chosen.isEmpty()) {
            return false;
        }
        const Status picked = session.useFolders({chosen.toStdString()});
        reportSave(picked, window_.services().prompter);
        if (!picked) {
            return false;
        }
    } else {
        return false;
    }
    clearRows();
    setBusy(true);
    session.search();
    setBusy(false);
    return true;
}

}  // namespace sonara::gui
