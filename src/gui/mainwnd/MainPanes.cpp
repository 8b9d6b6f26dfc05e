#include "gui/mainwnd/MainPanes.h"

#include "core/mainwnd/MenuPreparation.h"
#include "core/settings/PreferenceStore.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/DisplayPanel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayListPane.h"

namespace sonara::gui {

// The panes arrive one by one; until then the window shows its own controls.
class PlayerPanel {};

MainPanes::MainPanes(MainWindow& window, MainServices& services, CommandTarget& commands,
                     ControlMap& controls)
    : window_(window),
      library_(std::make_unique<LibraryPane>(&window, services, commands, controls)),
      playList_(std::make_unique<PlayListPane>(&window, services, commands, controls)),
      displays_(std::make_unique<DisplayPanel>(&window, services, controls)) {
    library_->setPlayListSelection([this] { return playList_->firstSelectedRow(); });
    connect(library_.get(), &LibraryPane::contextMenuRequested, this,
            [this](QPoint at) { openRightClickMenu(RightClickTarget::LibraryRow, at); });
    connect(playList_.get(), &PlayListPane::contextMenuRequested, this,
            [this](QPoint at) { openRightClickMenu(RightClickTarget::PlayList, at); });
    connect(playList_.get(), &PlayListPane::relayoutRequested, this,
            [this] { window_.relayout(); });
    connect(playList_.get(), &PlayListPane::controlResizedForSkin, this,
            [this](ControlId id) { window_.controlResized(id); });
}

void MainPanes::openRightClickMenu(RightClickTarget target, QPoint globalPos) {
    MenuContext context;
    context.view = window_.view();
    context.builtInPlayer = window_.services().skin.prefs.values().useAsDefaultPlayer != 0;
    if (const std::optional<Menu> menu = rightClickMenu(target, context)) {
        window_.openMenu(*menu, globalPos);
    }
}

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
void MainPanes::setView(ViewMode view, const ViewControlOptions& options) {
    library_->setViewMode(view);
    playList_->setView(view);
    displays_->setShown(view, options);
}
void MainPanes::setSeekBarEnabled(bool) {}
void MainPanes::setDisplay(const ViewDisplay&) {}
void MainPanes::refreshFileDescription() {}
void MainPanes::fill() {
    library_->libraryChanged();
}
void MainPanes::libraryChanged() {
    library_->libraryChanged();
}
void MainPanes::libraryChanging() {
    library_->libraryChanging();
}
void MainPanes::skinChanged() {
    library_->skinChanged();
    playList_->skinChanged();
    displays_->skinChanged();
}
void MainPanes::disconnectDisplays() {
    displays_->disconnect();
}

}  // namespace sonara::gui
