#include "gui/mainwnd/PlayListPane.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <algorithm>

#include "core/app/DataPaths.h"
#include "core/app/StringTable.h"
#include "core/mainwnd/ViewControls.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/PlayListFileDialogs.h"
#include "gui/mainwnd/PlayListModel.h"
#include "gui/mainwnd/TotalsFrame.h"
#include "gui/skin/SkinButton.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// Where the columns start before a layout was saved: the title takes what
// is left of the template's list width.
constexpr int kArtistWidth = 96;
constexpr int kLengthWidth = 56;

constexpr const char* kLayoutSection = "PlayListColumns";

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

}  // namespace

PlayListPane::PlayListPane(QWidget* window, MainServices& services, CommandTarget& commands,
                           ControlMap& controls)
    : QObject(window),
      window_(window),
      services_(services),
      commands_(commands),
      controls_(controls),
      dialogs_(std::make_unique<PlayListFileDialogs>(
          window, QString::fromStdString(services.paths.homeFolder))),
      playListCommands_(services.playList.sequence(), services.playList.adder(), services.prompter,
                        *this),
      workSpace_(*this, services.skin.prefs.values()) {
    SkinContext& skin = services_.skin;
    list_ = new SkinListCtrl(skin, window);
    // The list owns its model, so it still has its columns when it saves
    // their layout on destruction, whichever of the pane and the window goes
    // first.
    model_ = new PlayListModel(services_.playList.list(), list_);
    list_->setBackgroundIndex(skin::kTile);
    list_->setModel(model_);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    controls_.place(ControlId::PlayList, list_);
    QHeaderView* header = list_->header();
    header->resizeSection(PlayListModel::ArtistColumn, kArtistWidth);
    header->resizeSection(PlayListModel::LengthColumn, kLengthWidth);
    header->resizeSection(
        PlayListModel::TitleColumn,
        std::max(kArtistWidth, list_->width() - kArtistWidth - kLengthWidth -
                                   2 * list_->frameWidth() -
                                   list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    list_->loadLayout(kLayoutSection);
    // Created after the list so that it stacks above it: the template puts
    // the label over the list's top edge in most views.
    label_ = new SkinLabel(skin, text(playListLabelText(ViewMode::Normal)), window);
    controls_.place(ControlId::PlayListLabel, label_);
    label_->installEventFilter(this);
    list_->installEventFilter(this);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignBottom);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        emit contextMenuRequested(list_->viewport()->mapToGlobal(at));
    });
    connect(list_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid()) {
            return;
        }
        commands_.runCommand(Command::PlayButton);
        emit playRequested();
    });

    makeButton(ControlId::RemoveFromPlayListButton, skin::kMediumRowRemove,
               TextId::RemoveFromPlayListTip, Command::RemoveFromPlayListButton);
    controls_.place(ControlId::MoveLabel, new SkinLabel(skin, text(TextId::MoveLabel), window));
    makeButton(ControlId::UpButton, skin::kMediumRowMoveUp, TextId::MoveUpTip,
               Command::MoveUpButton);
    makeButton(ControlId::DownButton, skin::kMediumRowMoveDown, TextId::MoveDownTip,
               Command::MoveDownButton);
    makeButton(ControlId::FileButton, skin::kMediumRowFile, TextId::FileButtonTip,
               Command::FileButton);
    makeButton(ControlId::WorkSpaceButton, skin::kMediumRowWorkSpace, TextId::WorkSpaceButtonTip,
               Command::WorkSpaceButton);

    totals_ = new TotalsFrame(window, skin, controls_);
    connect(model_, &PlayListModel::totalsUpdated, totals_, &TotalsFrame::show);
    totals_->show(services_.playList.list().totals());
    skinChanged();
}

PlayListPane::~PlayListPane() = default;

bool PlayListPane::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            fitHeaderUnderLabel();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void PlayListPane::fitHeaderUnderLabel() {
    // Where the label lies across the list's top, the header grows by the
    // part it covers and shows its captions below the label, so neither the
    // label nor the first row is hidden.
    QHeaderView* header = list_->header();
    const int normal = header->sizeHint().height();
    const QRect list = list_->geometry();
    const QRect label = label_->geometry();
    const QRect topBand(list.left(), list.top(), list.width(), normal);
    int height = 0;
    if (!label_->isHidden() && label.top() >= list.top() && label.intersects(topBand)) {
        height = label.bottom() + 1 - list.top() + normal;
    }
    if (header->minimumHeight() != height) {
        header->setMinimumHeight(height);
        // What the tree view lays its header and viewport out on.
        emit header->geometriesChanged();
    }
}

SkinButton* PlayListPane::makeButton(ControlId id, int captionRow, TextId tip, Command command) {
    auto* button = new SkinButton(services_.skin, window_);
    button->setControlId(int(id));
    controls_.place(id, button);
    button->setSkin(skin::kMediumButton, tip, captionRow);
    connect(button, &QPushButton::clicked, this, [this, command] {
        // The pop-up menus of the file and work-space buttons are the
        // window's: it opens them under the button.
        if (!runCommand(command)) {
            commands_.runCommand(command);
        }
    });
    connect(button, &SkinButton::resizedForSkin, this,
            [this](int control) { emit controlResizedForSkin(ControlId(control)); });
    return button;
}

std::vector<size_t> PlayListPane::selectedRows() const {
    std::vector<size_t> rows;
    const size_t count = services_.playList.list().count();
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
        if (size_t(index.row()) < count) {
            rows.push_back(size_t(index.row()));
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<size_t> PlayListPane::firstSelectedRow() const {
    const std::vector<size_t> rows = selectedRows();
    return rows.empty() ? std::nullopt : std::optional<size_t>(rows.front());
}

void PlayListPane::selectRow(size_t row) {
    if (row >= size_t(model_->rowCount())) {
        return;
    }
    const QModelIndex index = model_->index(int(row), 0);
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
}

void PlayListPane::removeSelected() {
    applySelection(playListCommands_.remove(selectedRows()));
}

void PlayListPane::moveSelected(int direction) {
    applySelection(playListCommands_.move(selectedRows(), direction));
}

bool PlayListPane::runCommand(Command command) {
    if (PlayListCommands::handles(command)) {
        if (const auto selection = playListCommands_.run(command, selectedRows())) {
            applySelection(*selection);
        }
        return true;
    }
    if (workSpaceTarget(command, PlayListWorkSpace::kMinPercent)) {
        // "Bump Up" at 100 % changes nothing: still the work space's own.
        (void)workSpace_.apply(command);
        return true;
    }
    return false;
}

void PlayListPane::setView(ViewMode view) {
    label_->setText(text(playListLabelText(view)));
}

void PlayListPane::skinChanged() {
    model_->setPictureColour(toQColor(services_.skin.skin.fontInfo().listText));
    totals_->skinChanged();
    fitHeaderUnderLabel();
}

void PlayListPane::applySelection(const PlayListSelection& selection) {
    switch (selection.change) {
        case PlayListSelection::Change::Keep:
            break;
        case PlayListSelection::Change::Nothing:
            list_->clearSelection();
            break;
        case PlayListSelection::Change::All:
            list_->selectAll();
            break;
        case PlayListSelection::Change::Row:
            selectRow(selection.row);
            break;
    }
}

std::optional<std::string> PlayListPane::fileToOpen() {
    return (chooser_ != nullptr ? chooser_ : dialogs_.get())->fileToOpen();
}

std::optional<std::string> PlayListPane::fileToSave(const std::string& proposed) {
    return (chooser_ != nullptr ? chooser_ : dialogs_.get())->fileToSave(proposed);
}

void PlayListPane::savePreferences() {
    // A failed write keeps the value for the next save of the preferences,
    // as every other preference change does.
    (void)services_.skin.prefs.saveAll();
}

}  // namespace sonara::gui
