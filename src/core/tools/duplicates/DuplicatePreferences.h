#pragma once

#include <functional>
#include <string>

namespace sonara {

struct Preferences;

// What the duplicate finder searches and deletes with.
struct DuplicateOptions {
    bool stripChars = true;        // "StripChars": Ignore Non Alpha-Numeric Characters
    bool copyDeletedFiles = true;  // "CopyDelFiles": Make a copy of deleted files
    std::string holdingFolder;     // "CopyDelFilesToFolder": where those copies go
};

// The three options as `values` holds them.
DuplicateOptions duplicateOptions(const Preferences& values);

// The duplicate finder's part of the preference values: the three options
// and "DupFilesFolder", the folder last searched. `save` writes the
// preference file the front end's way and tells the user itself when that
// fails; the values stay set for the run either way. User-interface thread.
class DuplicatePreferences {
  public:
    DuplicatePreferences(Preferences& values, std::function<void()> save);

    DuplicateOptions options() const;
    // The Options dialog's OK: stores the three values and saves.
    void storeOptions(const DuplicateOptions& options);

    const std::string& lastFolder() const;
    // A folder picked for a search: stored and saved.
    void storeLastFolder(const std::string& folder);

  private:
    Preferences& values_;
    std::function<void()> save_;
};

}  // namespace sonara
