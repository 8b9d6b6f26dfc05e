#pragma once

#include <optional>
#include <string>

#include "core/app/TextId.h"
#include "core/tools/backup/DataBackup.h"
#include "gui/dialogs/tools2/FolderBrowser.h"

namespace sonara::gui {

class MainWindow;

// "Backup..." and "Restore...": the folder browser, then the data files
// copied by DataBackup, which tells the user the outcome. After a completed
// restore the running program takes the restored library, sources, path
// cache and play list, and the window refills its lists. Borrows the window;
// user-interface thread only.
class BackupRestore {
  public:
    explicit BackupRestore(MainWindow& window);

    // Unset, the desktop's folder browser asks.
    void setFolderBrowser(FolderBrowser browser) { browser_ = std::move(browser); }

    BackupOutcome backup();
    BackupOutcome restore();

  private:
    std::optional<std::string> browse(TextId title, const std::string& start) const;
    void reloadRestoredFiles();

    MainWindow& window_;
    FolderBrowser browser_;
};

}  // namespace sonara::gui
