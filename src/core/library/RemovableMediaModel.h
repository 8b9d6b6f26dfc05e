#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sonara {

class Library;
class Prompter;
class SourcesList;
struct Preferences;

// The logic of the "Select Removable Media" dialog: the distinct medium
// names of the library's records (the first spelling of each, ignoring
// case), one selected, and the edits "Edit" and "Delete" make to the
// records and the sources. After an edit the caller saves the sources list
// and the library.
class RemovableMediaModel {
  public:
    RemovableMediaModel(Library& library, SourcesList& sources);

    const std::vector<std::string>& names() const { return names_; }
    // Nothing when nothing is selected (the list is empty).
    std::optional<size_t> selected() const { return selected_; }
    // A row past the last selects nothing.
    void select(std::optional<size_t> index);
    // "Select", "Edit" and "Delete" are enabled only with a selection.
    bool hasSelection() const { return selected_.has_value(); }
    // The row of `name` (ignoring case).
    std::optional<size_t> indexOf(const std::string& name) const;

    // "Edit": the name dialog (a name required) on the selected name; on OK
    // the rename. True when renamed.
    bool edit(Prompter& prompter);
    // The name dialog's verdict on `typed` for the selected name: "" or
    // the message.
    std::string renameProblem(const std::string& typed) const;
    // Every record and source of the selected medium (ignoring case) gets
    // `newName`; the list is refilled with it selected.
    void renameSelected(const std::string& newName);

    // "Delete": asks "Are you sure you want to delete this?"; on Yes removes
    // every record and source of the selected medium, refills the list and
    // selects the row at the old place (or the last). True when removed.
    bool removeSelected(Prompter& prompter);
    // Whether a Delete removed a medium while the dialog was open.
    bool removedAny() const { return removedAny_; }

    // "Select": stores the check box "Check Availability On Close" and
    // returns the medium the main window shows ("" for all songs); the
    // caller saves the preferences and, with the box set, checks
    // availability without the final message.
    std::string choose(bool checkAvailabilityOnClose, Preferences& prefs) const;

  private:
    void refill();

    Library& library_;
    SourcesList& sources_;
    std::vector<std::string> names_;
    std::optional<size_t> selected_;
    bool removedAny_ = false;
};

}  // namespace sonara
