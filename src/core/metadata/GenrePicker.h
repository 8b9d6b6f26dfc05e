#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sonara {

// How a caller opens the genre picker ("Select Genre").
struct GenrePickerSettings {
    bool multiple = false;  // several genres may be selected; else at most one
    // The selection is given and returned as a flags text: character i is '1'
    // when genre index i is selected.
    bool flagsMode = false;
    // "*" lists every genre; another text lists the genres whose first
    // character equals its first, ignoring case.
    std::string firstLetter = "*";
    std::string flags;  // flags mode: the selection to start from
};

// The genre picker's list and selection, without the dialog: the names of
// the genre table filtered by the first letter, sorted by name ignoring case,
// each row standing for one genre index (the table names "Fusion" twice: the
// two rows stay two genres).
class GenrePicker {
  public:
    explicit GenrePicker(GenrePickerSettings settings);

    const GenrePickerSettings& settings() const { return settings_; }
    // "Select All" and "Clear All" are shown only when several may be chosen.
    bool showsSelectAllButtons() const { return settings_.multiple; }

    size_t count() const { return rows_.size(); }
    int genreIndex(size_t row) const { return rows_.at(row).genre; }
    const std::string& name(size_t row) const;
    bool isSelected(size_t row) const { return rows_.at(row).selected; }

    // In single mode selecting a row deselects every other. Rows out of range
    // are ignored.
    void setSelected(size_t row, bool selected);
    // Multiple mode only; nothing happens in single mode.
    void selectAll();
    void clearAll();

    // OK: false when nothing is selected (show TextId::SelectOneGenre and stay
    // open). On true the results below are final.
    bool accept() const;

    // The selected names in list order (multiple mode).
    std::vector<std::string> selectedNames() const;
    // The first selected name, or empty (single mode).
    std::string selectedName() const;
    // One character per listed genre, '1' at the index of each selected
    // genre. A filtered list can hold genres whose index lies beyond that
    // length; the text is then made long enough to hold their '1', so no
    // selection is lost or written out of bounds.
    std::string flagsText() const;

  private:
    struct Row {
        int genre;
        bool selected;
    };
    GenrePickerSettings settings_;
    std::vector<Row> rows_;
};

}  // namespace sonara
