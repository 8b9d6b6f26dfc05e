#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Command.h"
#include "core/app/TextId.h"
#include "core/library/search/LibraryRows.h"
#include "core/library/search/SearchField.h"
#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/ViewMode.h"
#include "core/settings/HistoryList.h"

class QComboBox;
class QWidget;

namespace sonara {
class LibraryRecord;
class LibrarySearch;
enum class SearchOutcome;
}  // namespace sonara

namespace sonara::gui {

class CommandTarget;
class ControlMap;
class HistoryCombo;
class LetterToolBar;
class LibraryListModel;
class LibrarySearchDialogs;
class SkinButton;
class SkinListCtrl;
struct MainServices;

// The main window's library side: the "Library" label, the search bar
// ("Search By:", the field, "Containing Text:", the search text with its
// history, "Go"), the letter bar, the library list and its buttons ("Add",
// "Edit", "Remove", ">>"). It makes the widgets as children of `window`,
// places and registers them in `controls`, and runs what they ask for over
// the library search and the play list's adds; what needs the window (the
// "Add" menu, the record editor, the pop-up menu) goes to `commands` or out
// as a signal.
//
// Borrows everything it is given; `window` owns the widgets. User-interface
// thread only.
class LibraryPane : public QObject {
    Q_OBJECT
  public:
    LibraryPane(QWidget* window, MainServices& services, CommandTarget& commands,
                ControlMap& controls);
    ~LibraryPane() override;

    // "Go", or Enter in the search text: the text search in the chosen field.
    void runSearch();
    // A letter of the letter bar or the window ('A' to 'Z' and the other
    // characters, '*' for all): the records whose field starts with it.
    void showLetter(char letter);
    // The selector for a letter: the field's distinct values starting with
    // it, one chosen and shown.
    void chooseValue(char letter);
    // The songs of one removable medium ("": every song).
    void showMedium(const std::string& name);
    // Before anything destroys library records (a scan, an availability
    // check that removes, a restore): the list lets go of its rows, as the
    // progress dialogs of such work repaint the window while it runs.
    void libraryChanging();
    // After songs were added or removed: the first fill ("A" for a library of
    // 200 records or more, every record otherwise).
    void libraryChanged();

    // The selected rows' records as library indices, in list order.
    std::vector<size_t> selectedRecords() const;
    // ">>", "Add to Playlist" and a double click.
    void addSelectedToPlayList();
    // "Remove" and the Delete key: asks, then removes the selected records
    // from the library and saves the data files.
    void deleteSelected();
    void selectAll(bool select);
    // The Show/Hide Columns dialog; the list takes the new columns on OK.
    void showHideColumns();
    // After the skin changed (the widgets have had the skin event), before
    // the layout tables are rebuilt: the letter bar's size, "Go" kept within
    // the list's width, the combo boxes' colours. Places stay as they are.
    void skinChanged();
    // The library commands the pane runs itself: ">>", "Add to Playlist",
    // "Remove", "Go", the search field's change, "Select All", "Clear
    // Selection", "Show/Hide Columns". False for any other command.
    bool runCommand(Command command);

    // The view decides what an add does and whether letters filter.
    void setViewMode(ViewMode view);
    // The play list's selected row, for the idle title after adds.
    void setPlayListSelection(std::function<std::optional<size_t>()> selection);

    SkinListCtrl* list() const { return list_; }
    LibraryListModel& model() const { return *model_; }
    LetterToolBar* letterBar() const { return letters_; }
    QComboBox* searchField() const { return field_; }
    HistoryCombo* searchText() const { return text_; }
    LibrarySearchDialogs& dialogs() const { return *dialogs_; }

  signals:
    // A right click on a selected row, outside Party view's lock-down: the
    // window opens the library pop-up menu at `globalPos`.
    void contextMenuRequested(QPoint globalPos);

  private:
    void createSearchBar(ControlMap& controls);
    void createList(ControlMap& controls);
    void createButtons(ControlMap& controls);
    SkinButton* makeButton(ControlMap& controls, ControlId id, int strip, int row, TextId tip);
    SearchField currentField() const;
    void searchFieldChanged();
    // Shows the search's rows when `outcome` refilled them.
    void takeRows(SearchOutcome outcome);
    void storeHistory();
    void placeLetterBar();
    void fitSearchRow();
    void applyComboColours(QComboBox* combo);
    void applyDefaultColumnWidths();
    std::vector<LibraryRecord*> selectedRecordPointers() const;

    QWidget* window_;
    MainServices& services_;
    CommandTarget& commands_;
    std::unique_ptr<LibrarySearchDialogs> dialogs_;
    HistoryList history_;
    std::unique_ptr<LibrarySearch> search_;
    // What the list shows: a copy of the search's rows, so a removal can
    // drop the removed records from it.
    LibraryRows shown_;
    LibraryListModel* model_ = nullptr;
    ViewMode view_ = ViewMode::Normal;
    std::function<std::optional<size_t>()> playListSelection_;

    QComboBox* field_ = nullptr;
    HistoryCombo* text_ = nullptr;
    SkinButton* go_ = nullptr;
    LetterToolBar* letters_ = nullptr;
    SkinListCtrl* list_ = nullptr;
};

}  // namespace sonara::gui
