#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sonara {

class Prompter;
class SourcesList;
struct Preferences;

// The logic of the "MP3 Sources" dialog: the list "Actual Location" holds
// the folder of every source that has one, in list order; "Add" and
// "Delete" change the sources list, which the caller then saves.
class SourcesDialogModel {
  public:
    enum class AddOutcome { Added, AlreadyThere, Failed };

    explicit SourcesDialogModel(SourcesList& sources) : sources_(sources) {}

    // The rows of the list: each source's folder, and which source it is.
    std::vector<std::string> rows() const;
    std::optional<size_t> sourceOfRow(size_t row) const;

    // "Add" with the folder the folder browser returned: it gets a trailing
    // "/" and becomes "LastUsedFolder" (the caller saves the preferences);
    // a folder already there (ignoring case) gets "You have added this
    // folder previously", else it joins as added by the user, under
    // `mediaName`. A source that cannot be made gets "Failed to add source".
    AddOutcome add(const std::string& chosen, Preferences& prefs, Prompter& prompter,
                   const std::string& mediaName = "");
    // "Delete": the row's source goes at once, without a question.
    bool removeRow(size_t row);

  private:
    SourcesList& sources_;
};

}  // namespace sonara
