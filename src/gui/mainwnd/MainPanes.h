#pragma once

#include <QObject>
#include <QPoint>
#include <QTreeView>
#include <memory>
#include <optional>

#include "core/mainwnd/MenuPreparation.h"
#include "core/mainwnd/ViewControls.h"
#include "core/mainwnd/ViewDisplay.h"
#include "core/mainwnd/ViewMode.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"

namespace sonara::gui {

class MainWindow;
class LibraryPane;
class PlayListPane;
class PlayerPanel;
class DisplayPanel;
class SkinKeyboard;

// The window's panes behind one narrow face: the library with its search
// bar, the play list with its totals, the player controls and the displays.
// Made with the window, which owns them; each registers its controls.
class MainPanes : public QObject {
    Q_OBJECT
  public:
    MainPanes(MainWindow& window, MainServices& services, CommandTarget& commands,
              ControlMap& controls);
    ~MainPanes() override;

    QTreeView* libraryList() const;
    QTreeView* playList() const;
    std::optional<size_t> firstSelectedPlayListRow() const;
    int workSpacePercent() const;

    // A command a pane runs itself; false for any other.
    bool runCommand(Command command);

    void setView(ViewMode view, const ViewControlOptions& options);
    void setSeekBarEnabled(bool enabled);
    void setDisplay(const ViewDisplay& display);
    void refreshFileDescription();
    // The lists' first fill when the window opens.
    void fill();
    // Around work that adds or removes library records: the list holds
    // record pointers, and progress dialogs repaint while the work runs.
    void libraryChanging();
    void libraryChanged();
    void skinChanged();
    // After the layout moved the controls: the touch-screen view puts its
    // keyboard over the search bar it hides, the library list below it.
    void afterLayout(ViewMode view);
    // The window closes: the displays stop listening to the player.
    void disconnectDisplays();

    LibraryPane* library() const { return library_.get(); }
    PlayListPane* playListPane() const { return playList_.get(); }
    PlayerPanel* player() const { return player_.get(); }
    DisplayPanel* displays() const { return displays_.get(); }

  private:
    void openRightClickMenu(RightClickTarget target, QPoint globalPos);

    MainWindow& window_;
    std::unique_ptr<LibraryPane> library_;
    std::unique_ptr<PlayListPane> playList_;
    std::unique_ptr<PlayerPanel> player_;
    std::unique_ptr<DisplayPanel> displays_;
    SkinKeyboard* keyboard_ = nullptr;  // the touch-screen view's letter bar
};

}  // namespace sonara::gui
