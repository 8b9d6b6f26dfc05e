#include "gui/dialogs/tools2/BackupRestore.h"

#include "core/app/StringTable.h"
#include "core/tools/backup/DataReload.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

namespace {

// The browser titles end in a line break, which a window title cannot show.
QString titleText(TextId id) {
    return QString::fromStdString(stringText(id)).trimmed();
}

}  // namespace

BackupRestore::BackupRestore(MainWindow& window) : window_(window) {}

std::optional<std::string> BackupRestore::browse(TextId title, const std::string& start) const {
    if (browser_) {
        return browser_(titleText(title), start);
    }
    return browseForFolder(&window_, titleText(title), start);
}

BackupOutcome BackupRestore::backup() {
    MainServices& services = window_.services();
    DataBackup tool(services.paths, services.prompter);
    const std::string start = tool.defaultFolder();
    return tool.backup(browse(TextId::SelectBackupFolder, start));
}

BackupOutcome BackupRestore::restore() {
    MainServices& services = window_.services();
    DataBackup tool(services.paths, services.prompter);
    if (!tool.confirmRestore()) {
        return BackupOutcome::Cancelled;
    }
    const std::string start = tool.defaultFolder();
    const BackupOutcome outcome = tool.restore(browse(TextId::SelectRestoreFolder, start));
    if (outcome == BackupOutcome::Completed) {
        reloadRestoredFiles();
    }
    return outcome;
}

void BackupRestore::reloadRestoredFiles() {
    MainServices& services = window_.services();
    // The lists hold record pointers, which the reload destroys.
    window_.panes().libraryChanging();
    reloadDataFiles(services.paths,
                    {services.library, services.sources, services.pathCache, services.playList},
                    services.prompter);
    window_.panes().libraryChanged();
}

}  // namespace sonara::gui
