#include "gui/mainwnd/LibraryPane.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>
#include <unordered_set>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/search/LibrarySearch.h"
#include "core/mainwnd/LibraryColumns.h"
#include "core/mainwnd/MainTemplate.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/SearchHistory.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/HistoryCombo.h"
#include "gui/controls/ShowHideColumnsDialog.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/LetterToolBar.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibrarySearchDialogs.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// The letter bar stands right of the search field, in two rows.
constexpr int kLetterBarRows = 2;
constexpr int kLetterBarGap = 8;
constexpr int kLengthColumnWidth = 56;
constexpr int kSearchRowGap = 4;

QString templateText(ControlId id) {
    const TemplateControl* control = MainTemplate::find(id);
    return control != nullptr ? QString::fromUtf8(control->text.data(),
                                                  static_cast<qsizetype>(control->text.size()))
                              : QString();
}

// While a search runs through the library.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A combo box keeps its own height; the template's height is its drop-down.
void placeCombo(ControlMap& controls, ControlId id, QComboBox* combo) {
    controls.place(id, combo);
    combo->resize(combo->width(), combo->sizeHint().height());
}

}  // namespace

LibraryPane::LibraryPane(QWidget* window, MainServices& services, CommandTarget& commands,
                         ControlMap& controls)
    : QObject(window),
      window_(window),
      services_(services),
      commands_(commands),
      dialogs_(std::make_unique<LibrarySearchDialogs>(services.skin, services.prompter, window)),
      history_(kSearchHistoryMax),
      search_(std::make_unique<LibrarySearch>(services.library, services.skin.prefs,
                                              services.prompter, *dialogs_, history_)) {
    controls.place(ControlId::LibraryLabel,
                   new SkinLabel(services_.skin, templateText(ControlId::LibraryLabel), window_));
    createSearchBar(controls);
    createList(controls);
    createButtons(controls);
}

LibraryPane::~LibraryPane() = default;

void LibraryPane::createSearchBar(ControlMap& controls) {
    auto* byLabel = new SkinLabel(services_.skin, templateText(ControlId::SearchByLabel), window_);
    controls.place(ControlId::SearchByLabel, byLabel);

    field_ = new QComboBox(window_);
    for (const char* item : kSearchByItems) {
        field_->addItem(QString::fromUtf8(item));
    }
    const auto stored = searchFieldFromCode(services_.skin.prefs.values().searchBy);
    field_->setCurrentIndex(itemOfSearchField(stored.value_or(SearchField::All)));
    placeCombo(controls, ControlId::SearchField, field_);
    applyComboColours(field_);
    connect(field_, &QComboBox::currentIndexChanged, this, &LibraryPane::searchFieldChanged);

    auto* containingLabel =
        new SkinLabel(services_.skin, templateText(ControlId::ContainingTextLabel), window_);
    controls.place(ControlId::ContainingTextLabel, containingLabel);

    text_ = new HistoryCombo(services_.skin, window_);
    text_->setSection(QString::fromUtf8(kSearchHistorySection.data(),
                                        static_cast<qsizetype>(kSearchHistorySection.size())));
    text_->setMaximum(kSearchHistoryMax);
    text_->load();
    history_.load(services_.skin.prefs.searchHistory(kSearchHistoryMax));
    placeCombo(controls, ControlId::SearchText, text_);
    applyComboColours(text_);
    connect(text_->lineEdit(), &QLineEdit::returnPressed, this, &LibraryPane::runSearch);

    letters_ = new LetterToolBar(services_.skin, window_);
    placeLetterBar();
    controls.add(ControlId::LibraryToolBar, letters_);
    connect(letters_, &LetterToolBar::letterChosen, this, &LibraryPane::showLetter);
    connect(letters_, &LetterToolBar::selectorChosen, this, &LibraryPane::chooseValue);
}

void LibraryPane::createList(ControlMap& controls) {
    model_ = new LibraryListModel(services_.library, services_.skin.prefs, this);
    model_->showRows(&shown_);
    list_ = new SkinListCtrl(services_.skin, window_);
    list_->setBackgroundIndex(skin::kTile);
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    // Every row is one line high: the view then never measures rows one by
    // one, which a list of 100,000 rows could not afford.
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    controls.place(ControlId::LibraryList, list_);
    applyDefaultColumnWidths();
    list_->loadLayout("Preferences");

    connect(list_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            addSelectedToPlayList();
        }
    });
    connect(list_, &SkinListCtrl::deletePressed, this, &LibraryPane::deleteSelected);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
        const QModelIndex index = list_->indexAt(pos);
        if (index.isValid() && list_->selectionModel()->isRowSelected(index.row(), QModelIndex())) {
            emit contextMenuRequested(list_->viewport()->mapToGlobal(pos));
        }
    });
}

SkinButton* LibraryPane::makeButton(ControlMap& controls, ControlId id, int strip, int row,
                                    TextId tip) {
    auto* button = new SkinCaptionButton(services_.skin, window_);
    button->setText(templateText(id));
    button->setControlId(static_cast<int>(id));
    controls.place(id, button);
    button->setSkin(strip, tip, row);
    return button;
}

void LibraryPane::createButtons(ControlMap& controls) {
    go_ = makeButton(controls, ControlId::GoButton, skin::kLargeButton, skin::kRowSearch,
                     TextId::SearchSongTip);
    connect(go_, &QAbstractButton::clicked, this, &LibraryPane::runSearch);
    fitSearchRow();

    SkinButton* add = makeButton(controls, ControlId::AddButton, skin::kLargeButton, skin::kRowAdd,
                                 TextId::AddSongsTip);
    connect(add, &QAbstractButton::clicked, this,
            [this] { commands_.runCommand(Command::AddButton); });
    SkinButton* edit = makeButton(controls, ControlId::EditButton, skin::kLargeButton,
                                  skin::kRowEdit, TextId::EditSongTip);
    connect(edit, &QAbstractButton::clicked, this,
            [this] { commands_.runCommand(Command::EditButton); });
    SkinButton* remove = makeButton(controls, ControlId::RemoveButton, skin::kLargeButton,
                                    skin::kRowRemove, TextId::DeleteSongTip);
    connect(remove, &QAbstractButton::clicked, this, &LibraryPane::deleteSelected);

    SkinButton* toPlayList =
        makeButton(controls, ControlId::AddToPlayListButton, skin::kMediumButton,
                   skin::kMediumRowAddToPlayList, TextId::AddToPlayListTip);
    connect(toPlayList, &QAbstractButton::clicked, this, &LibraryPane::addSelectedToPlayList);
}

void LibraryPane::placeLetterBar() {
    const QRect label = ControlMap::templateRect(ControlId::SearchByLabel);
    const QRect field = ControlMap::templateRect(ControlId::SearchField);
    letters_->setGeometry(QRect(QPoint(field.right() + 1 + kLetterBarGap, label.top() + 2),
                                letters_->sizeForRows(kLetterBarRows)));
}

void LibraryPane::skinChanged() {
    // Sizes follow the skin; places stay where the window's layout put them.
    letters_->resize(letters_->sizeForRows(kLetterBarRows));
    fitSearchRow();
    applyComboColours(field_);
    applyComboColours(text_);
    list_->viewport()->update();
}

void LibraryPane::fitSearchRow() {
    // The skin's button may be wider than the template's "Go": it then ends
    // where the list ends, and the search text gives up what it needs. From
    // the current places, which the window's layout may have moved.
    const int listRight = list_->geometry().right();
    if (go_->geometry().right() > listRight) {
        go_->move(listRight + 1 - go_->width(), go_->y());
    }
    const int textWidth = go_->x() - kSearchRowGap - text_->x();
    text_->resize(std::max(text_->minimumSizeHint().width(), textWidth), text_->height());
}

void LibraryPane::applyComboColours(QComboBox* combo) {
    const skin::FontInfo& info = services_.skin.skin.fontInfo();
    QPalette palette = combo->palette();
    const QColor text = toQColor(info.comboText);
    const QColor base = toQColor(info.comboBackground);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Button, base);
    combo->setPalette(palette);
}

void LibraryPane::applyDefaultColumnWidths() {
    const auto& columns = model_->columns();
    const int count = static_cast<int>(columns.size());
    const bool hasLength =
        std::find(columns.begin(), columns.end(), LibraryColumn::Length) != columns.end();
    // The viewport takes its size only when the window is laid out; the
    // list's own width, less the frame and a vertical scroll bar, is known.
    const int inner = list_->width() - 2 * list_->frameWidth() -
                      list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int free = inner - (hasLength ? kLengthColumnWidth : 0);
    const int shares = std::max(1, count - (hasLength ? 1 : 0));
    for (int i = 0; i < count; ++i) {
        const bool length = columns[static_cast<size_t>(i)] == LibraryColumn::Length;
        list_->header()->resizeSection(i, length ? kLengthColumnWidth : free / shares);
    }
}

SearchField LibraryPane::currentField() const {
    return searchFieldOfItem(field_->currentIndex());
}

void LibraryPane::searchFieldChanged() {
    services_.skin.prefs.values().searchBy = static_cast<int>(currentField());
    if (const Status saved = services_.skin.prefs.saveAll(); !saved) {
        services_.prompter.message(saved.error(), Icon::Exclamation);
    }
}

void LibraryPane::takeRows(SearchOutcome outcome) {
    if (outcome != SearchOutcome::Refilled && outcome != SearchOutcome::NothingFound) {
        return;
    }
    shown_ = search_->rows();
    model_->showRows(&shown_);
    list_->scrollToTop();
}

void LibraryPane::storeHistory() {
    const QString typed = text_->currentText();
    text_->clear();
    for (const std::string& entry : history_.entries()) {
        text_->addItem(QString::fromStdString(entry));
    }
    text_->setCurrentIndex(-1);
    text_->setEditText(typed);
    if (const Status saved =
            services_.skin.prefs.setSearchHistory(history_.entries(), kSearchHistoryMax);
        !saved) {
        services_.prompter.message(saved.error(), Icon::Exclamation);
    }
}

void LibraryPane::runSearch() {
    const std::vector<std::string> before = history_.entries();
    const SearchField field = currentField();
    SearchOutcome outcome;
    {
        // The genre search opens its picker instead of searching at once.
        std::optional<WaitCursor> wait;
        if (field != SearchField::Genre) {
            wait.emplace();
        }
        outcome = search_->textSearch(field, text_->currentText().toStdString());
    }
    if (history_.entries() != before) {
        storeHistory();
    }
    takeRows(outcome);
}

void LibraryPane::showLetter(char letter) {
    takeRows(search_->letterFilter(currentField(), std::string(1, letter)));
}

void LibraryPane::chooseValue(char letter) {
    takeRows(search_->chooseValue(currentField(), std::string(1, letter)));
}

void LibraryPane::showMedium(const std::string& name) {
    takeRows(search_->mediumFilter(name));
}

void LibraryPane::libraryChanging() {
    shown_.clear();
    model_->showRows(&shown_);
}

void LibraryPane::libraryChanged() {
    // A refill by genre would open the genre picker unasked: the first fill
    // goes by artist and title then, as "All" does.
    const SearchField field =
        currentField() == SearchField::Genre ? SearchField::All : currentField();
    const std::string letter(firstFillLetter(services_.library.count()));
    takeRows(search_->letterFilter(field, letter));
}

std::vector<LibraryRecord*> LibraryPane::selectedRecordPointers() const {
    std::vector<LibraryRecord*> records;
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    records.reserve(static_cast<size_t>(rows.size()));
    for (const QModelIndex& index : rows) {
        if (LibraryRecord* record = model_->recordAt(index.row())) {
            records.push_back(record);
        }
    }
    return records;
}

std::vector<size_t> LibraryPane::selectedRecords() const {
    std::vector<size_t> indices;
    for (const LibraryRecord* record : selectedRecordPointers()) {
        if (const auto index = services_.library.findByName(std::string(record->fileName()))) {
            indices.push_back(*index);
        }
    }
    return indices;
}

void LibraryPane::addSelectedToPlayList() {
    const std::vector<LibraryRecord*> records = selectedRecordPointers();
    if (records.empty()) {
        return;
    }
    services_.playList.adder().addRecordsFromLibrary(
        records, view_, playListSelection_ ? playListSelection_() : std::nullopt);
}

void LibraryPane::deleteSelected() {
    const std::vector<LibraryRecord*> records = selectedRecordPointers();
    if (records.empty() || services_.prompter.ask(stringText(TextId::RemoveRecordQuestion),
                                                  Buttons::YesNo) != Answer::Yes) {
        return;
    }
    const std::unordered_set<const LibraryRecord*> doomed(records.begin(), records.end());
    // The list lets go of the records before they are destroyed.
    LibraryRows kept(shown_.availableOnly());
    kept.reserve(shown_.size());
    for (LibraryRecord* record : shown_.records()) {
        if (doomed.count(record) == 0) {
            kept.add(record);
        }
    }
    shown_ = std::move(kept);
    model_->showRows(&shown_);

    // Back to front, a run of neighbours at a time: "Select All" and "Remove"
    // then move nothing, and no removal shifts a record still to be looked at.
    Library& library = services_.library;
    for (size_t end = library.count(); end > 0;) {
        if (doomed.count(library.at(end - 1)) == 0) {
            --end;
            continue;
        }
        size_t begin = end - 1;
        while (begin > 0 && doomed.count(library.at(begin - 1)) != 0) {
            --begin;
        }
        library.removeAt(begin, end - begin);
        end = begin;
    }
    services_.saver.saveDataFiles();
}

void LibraryPane::selectAll(bool select) {
    if (select) {
        list_->selectAll();
    } else {
        list_->clearSelection();
    }
}

void LibraryPane::showHideColumns() {
    ShowHideColumnsDialog dialog(services_.skin, window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    model_->refresh();
    applyDefaultColumnWidths();
}

bool LibraryPane::runCommand(Command command) {
    switch (command) {
        case Command::AddToPlayList:
        case Command::AddToPlayListButton:
            addSelectedToPlayList();
            return true;
        case Command::RemoveButton:
            deleteSelected();
            return true;
        case Command::GoButton:
            runSearch();
            return true;
        case Command::SearchFieldChanged:
            searchFieldChanged();
            return true;
        case Command::SelectAllLibrary:
            selectAll(true);
            return true;
        case Command::ClearLibrarySelection:
            selectAll(false);
            return true;
        case Command::ShowHideColumns:
            showHideColumns();
            return true;
        default:
            return false;
    }
}

void LibraryPane::setViewMode(ViewMode view) {
    view_ = view;
    search_->setTouchScreenView(view == ViewMode::TouchScreen);
}

void LibraryPane::setPlayListSelection(std::function<std::optional<size_t>()> selection) {
    playListSelection_ = std::move(selection);
}

}  // namespace sonara::gui
