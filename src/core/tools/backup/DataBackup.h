#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/DataPaths.h"
#include "core/app/Prompter.h"

namespace sonara {

enum class BackupOutcome {
    Completed,  // every attempted copy succeeded
    Failed,     // at least one copy failed
    Cancelled,  // no folder chosen, the question declined, or Cancel pressed
    Refused,    // the data folder itself, or (restore) a folder holding none of the set
};

// Copies the data files and the player list from the data folder to a folder
// the user picks, and back. Tells the user the outcome through the Prompter.
// User-interface thread.
//
// A restore stages every file beside its target first and renames them into
// place only when all were copied, so an unreadable backup, a full disk or a
// Cancel leaves the data files exactly as they were.
class DataBackup {
  public:
    // The set, in the order it is always handled.
    static constexpr std::array<std::string_view, 5> kFileNames = {
        "Config.dat", "DBCache.dat", "Sonara.dat", "CurrPl.snl", "Players.CFG"};

    DataBackup(const DataPaths& paths, Prompter& prompter);

    // The data folder's "Backup" folder, created when missing (a failure to
    // create it is ignored): where both folder browsers start.
    std::string defaultFolder() const;

    // `folder` is the browser's choice, nullopt when it was cancelled.
    BackupOutcome backup(const std::optional<std::string>& folder);

    // The overwrite question; true on Yes.
    bool confirmRestore();
    // Completed means the caller must reload, in this order, the library, the
    // sources list, the path cache and the current play list; after any other
    // outcome the data files are unchanged and nothing is to be reloaded.
    BackupOutcome restore(const std::optional<std::string>& folder);

  private:
    bool isDataFolder(const std::string& folder) const;

    const DataPaths& paths_;
    Prompter& prompter_;
};

}  // namespace sonara
