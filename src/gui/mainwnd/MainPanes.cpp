#include "gui/mainwnd/MainPanes.h"

#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

// The panes arrive one by one; until then the window shows its own controls.
class LibraryPane {};
class PlayListPane {};
class PlayerPanel {};
class DisplayPanel {};

MainPanes::MainPanes(MainWindow& window, MainServices&, CommandTarget&, ControlMap&)
    : window_(window) {}

MainPanes::~MainPanes() = default;

QTreeView* MainPanes::libraryList() const {
    return nullptr;
}
QTreeView* MainPanes::playList() const {
    return nullptr;
}
std::optional<size_t> MainPanes::firstSelectedPlayListRow() const {
    return std::nullopt;
}
bool MainPanes::runCommand(Command) {
    return false;
}
void MainPanes::setView(ViewMode, const ViewControlOptions&) {}
void MainPanes::setSeekBarEnabled(bool) {}
void MainPanes::setDisplay(const ViewDisplay&) {}
void MainPanes::refreshFileDescription() {}
void MainPanes::fill() {}
void MainPanes::libraryChanged() {}
void MainPanes::skinChanged() {}
void MainPanes::disconnectDisplays() {}

}  // namespace sonara::gui
