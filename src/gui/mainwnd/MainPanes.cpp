#include "gui/mainwnd/MainPanes.h"

#include <QTimer>

#include <QHeaderView>
#include "core/mainwnd/MenuPreparation.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"

#include "gui/controls/SkinKeyboard.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/DisplayPanel.h"
#include "gui/mainwnd/LetterToolBar.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayListModel.h"
#include "gui/mainwnd/PlayListPane.h"
#include "gui/mainwnd/PlayerPanel.h"

namespace sonara::gui {

MainPanes::MainPanes(MainWindow& window, MainServices& services, CommandTarget& commands,
                     ControlMap& controls)
    : window_(window),
      library_(std::make_unique<LibraryPane>(&window, services, commands, controls)),
      playList_(std::make_unique<PlayListPane>(&window, services, commands, controls)),
      player_(std::make_unique<PlayerPanel>(&window, services, commands, controls)),
      displays_(std::make_unique<DisplayPanel>(&window, services, controls)) {
    // The sequence stopped by itself: what the Stop button does, whatever
    // the view (Party view refuses the button, not the end of the list).
    keyboard_ = new SkinKeyboard(services.skin, &window);
    keyboard_->hide();
    connect(keyboard_, &SkinKeyboard::keyPressedLeft, this,
            [this](QChar key) { library_->showLetter(key.toLatin1()); });
    connect(keyboard_, &SkinKeyboard::keyPressedRight, this,
            [this](QChar key) { library_->chooseValue(key.toLatin1()); });
    connect(player_.get(), &PlayerPanel::playbackHalted, this,
            [&services] { services.playList.sequence().stop(); });
    connect(player_.get(), &PlayerPanel::songStarted, this,
            [this](int row) { playList_->list()->scrollTo(playList_->model()->index(row, 0)); });
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
    if (const std::optional<Menu> menu = rightClickMenu(target, window_.menuContext())) {
        window_.openMenu(*menu, globalPos);
    }
}

MainPanes::~MainPanes() = default;

QTreeView* MainPanes::libraryList() const {
    return library_->list();
}
QTreeView* MainPanes::playList() const {
    return playList_->list();
}
std::optional<size_t> MainPanes::firstSelectedPlayListRow() const {
    return playList_->firstSelectedRow();
}
int MainPanes::workSpacePercent() const {
    return playList_->workSpacePercent();
}
bool MainPanes::runCommand(Command command) {
    return library_->runCommand(command) || playList_->runCommand(command);
}
void MainPanes::setView(ViewMode view, const ViewControlOptions& options) {
    library_->setViewMode(view);
    playList_->setView(view);
    player_->setView(view);
    displays_->setShown(view, options);
}
void MainPanes::setSeekBarEnabled(bool enabled) {
    player_->setSeekBarEnabled(enabled);
}
void MainPanes::setDisplay(const ViewDisplay& display) {
    player_->setDisplay(display);
}
void MainPanes::refreshFileDescription() {
    player_->refreshFileDescription();
}
void MainPanes::fill() {
    // Posted, as the window's first fill always was: the window paints
    // first, the library's rows follow.
    QTimer::singleShot(0, this, [this] { library_->libraryChanged(); });
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
    player_->skinChanged();
    displays_->skinChanged();
}
void MainPanes::afterLayout(ViewMode view) {
    const bool touch = view == ViewMode::TouchScreen;
    keyboard_->setVisible(touch);
    if (!touch) {
        return;
    }
    if (QWidget* letters = library_->letterBar()) {
        letters->hide();
    }
    constexpr int kGap = 4;
    QTreeView* list = library_->list();
    const QWidget* label = window_.controls().find(ControlId::LibraryLabel);
    const int top = label != nullptr ? label->geometry().bottom() + kGap : list->y();
    const QSize size = keyboard_->sizeHint();
    keyboard_->setGeometry(list->x(), top, std::min(size.width(), list->width()), size.height());
    keyboard_->raise();
    QRect listArea = list->geometry();
    listArea.setTop(keyboard_->geometry().bottom() + kGap);
    list->setGeometry(listArea);
}

void MainPanes::disconnectDisplays() {
    displays_->disconnect();
}

}  // namespace sonara::gui
