#pragma once

#include <QObject>
#include <QPoint>
#include <memory>
#include <optional>
#include <vector>

#include "core/app/Command.h"
#include "core/app/TextId.h"
#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/PlayListCommands.h"
#include "core/mainwnd/ViewMode.h"
#include "core/mainwnd/WorkSpace.h"

class QWidget;

namespace sonara::gui {

class CommandTarget;
class ControlMap;
class PlayListModel;
class SkinButton;
class SkinLabel;
class SkinListCtrl;
class TotalsFrame;
struct MainServices;

// The main window's play-list side: its label, the list, "<<", the "Move:"
// buttons, the file and work-space buttons and the totals frame. It runs
// the play list's own commands (PlayListCommands) and the work-space
// commands; what it cannot run (Play on a double click, the pop-up menus of
// the file and work-space buttons) goes to the command target.
//
// The widgets are children of `window`, placed at their template
// rectangles and registered in `controls`. Borrows the services, the
// target and the map, which must outlive it; takes the play list's
// observer slot while it lives. User-interface thread only.
class PlayListPane : public QObject, private PlayListFileChooser, private WorkSpacePort {
    Q_OBJECT
  public:
    PlayListPane(QWidget* window, MainServices& services, CommandTarget& commands,
                 ControlMap& controls);
    ~PlayListPane() override;

    // Sorted; rows the list no longer has are left out.
    std::vector<size_t> selectedRows() const;
    // What the transport commands take: the first selected row, if any.
    std::optional<size_t> firstSelectedRow() const;
    // Selects the row alone and scrolls to it; nothing past the end.
    void selectRow(size_t row);
    void removeSelected();
    // -1 up, +1 down; the moved row stays selected.
    void moveSelected(int direction);
    // The play list's commands (PlayListCommands::handles) and the work
    // space's ("Bump Up", "Bump Down", "20%" ... "100%"); false for others.
    bool runCommand(Command command);
    // The label's text follows the view.
    void setView(ViewMode view);
    // After the skin changed and the widgets had their SkinChangedEvent
    // (notifySkinChanged on the window): the pictures, colours and header
    // height that follow the skin.
    void skinChanged();

    SkinListCtrl* list() const { return list_; }
    PlayListModel* model() const { return model_; }
    const TotalsFrame& totals() const { return *totals_; }
    // For tests: dialogs instead of the standard ones (null: back to those).
    void setFileChooser(PlayListFileChooser* chooser) { chooser_ = chooser; }
    // View 6's play-list share, in percent, kept within its range.
    int workSpacePercent() const { return workSpace_.percent(); }

  signals:
    void contextMenuRequested(QPoint globalPos);
    // A double click on a row; Play has been sent to the command target.
    void playRequested();
    // The work space changed: view 6 must be laid out again.
    void relayoutRequested();
    // A skinned button took its new size for a new skin (layout row update).
    void controlResizedForSkin(sonara::ControlId id);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitHeaderUnderLabel();
    std::optional<std::string> fileToOpen() override;
    std::optional<std::string> fileToSave(const std::string& proposed) override;
    void savePreferences() override;
    void relayout() override { emit relayoutRequested(); }

    SkinButton* makeButton(ControlId id, int captionRow, TextId tip, Command command);
    void applySelection(const PlayListSelection& selection);

    QWidget* window_;
    MainServices& services_;
    CommandTarget& commands_;
    ControlMap& controls_;
    PlayListModel* model_ = nullptr;
    SkinLabel* label_ = nullptr;
    SkinListCtrl* list_ = nullptr;
    TotalsFrame* totals_ = nullptr;
    std::unique_ptr<PlayListFileChooser> dialogs_;
    PlayListFileChooser* chooser_ = nullptr;
    PlayListCommands playListCommands_;
    PlayListWorkSpace workSpace_;
};

}  // namespace sonara::gui
