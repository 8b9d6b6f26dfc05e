#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/library/search/LibraryRows.h"
#include "core/library/search/SearchField.h"
#include "core/library/search/SearchPreferences.h"

namespace sonara {

class HistoryList;
class Library;
class Prompter;
class SearchDialogs;

// What a search did to the rows.
enum class SearchOutcome {
    Refilled,      // the rows were replaced by the matches (maybe none)
    NothingFound,  // text search without a match: rows empty, message 118 shown
    TooShort,      // search text under two characters: message 2004, rows unchanged
    NoValues,      // no value starts with the letter: message 119, rows unchanged
    Cancelled,     // a dialog was cancelled: rows unchanged
    Ignored,       // letters are off in this state: rows unchanged
};

// The main window's ways of narrowing its library list: the text search
// ("Go"), the first-letter filter, the selectors and the genre filter. Each
// refill replaces rows() with the matching records in library order, skips
// unavailable records while "ShowAvailSongsOnly" is on, and sorts the rows by
// a row rule. Preferences are read afresh on every call.
//
// Borrows everything it is given; user-interface thread only.
class LibrarySearch {
  public:
    LibrarySearch(Library& library, SearchPreferences prefs, Prompter& prompter,
                  SearchDialogs& dialogs, HistoryList& history);

    const LibraryRows& rows() const { return rows_; }
    // The touch-screen view takes letters for its keyboard, not the filter.
    void setTouchScreenView(bool on) { touchScreenView_ = on; }

    // "Go": the genre picker for Genre; otherwise a text of two characters or
    // more, recorded in the history, is looked for in the field's display
    // values (All: title, artist or album).
    SearchOutcome textSearch(SearchField field, std::string_view text);
    // A letter button or key: "*" shows every record; Genre opens the genre
    // picker for the letter; otherwise the records whose display value (All:
    // artist or title) starts with the character. Ignored while
    // "UseLibraryWizard" is on or in the touch-screen view.
    SearchOutcome letterFilter(SearchField field, std::string_view character);
    // A selector: the distinct values of the field starting with the
    // character ("*": all), one chosen in the selector dialog and shown with
    // showValue(); Genre opens the genre picker for the letter.
    SearchOutcome chooseValue(SearchField field, std::string_view character);
    // The records whose display artist, album or title equals `value`
    // ignoring case; an empty value matches nothing.
    SearchOutcome showValue(ListerField field, std::string_view value);
    // The records whose genre equals one of the names ignoring case.
    SearchOutcome genreFilter(const std::vector<std::string>& names);
    // The records on the removable medium `name` (ignoring case); an empty
    // name shows every record.
    SearchOutcome mediumFilter(std::string_view name);

  private:
    SearchOutcome pickGenres(std::string_view letter);
    // Starts a refill: rows emptied, availability rule from the preferences.
    void beginRefill();

    Library& library_;
    SearchPreferences prefs_;
    Prompter& prompter_;
    SearchDialogs& dialogs_;
    HistoryList& history_;
    LibraryRows rows_;
    bool touchScreenView_ = false;
};

}  // namespace sonara
