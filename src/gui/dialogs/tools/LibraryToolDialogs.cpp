#include "gui/dialogs/tools/LibraryToolDialogs.h"

#include "gui/dialogs/tools/RenameFromTagsDialog.h"
#include "gui/dialogs/tools/ReportDialog.h"
#include "gui/dialogs/tools/SpaceMakerDialog.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

bool LibraryToolDialogs::run(Command command) {
    switch (command) {
        // The search menu's own items open the window too: its "Search"
        // button offers them again there.
        case Command::FindDuplicates:
        case Command::DuplicatesInSources:
        case Command::DuplicatesByFolder: {
            SpaceMakerDialog dialog(window_);
            dialog.exec();
            return true;
        }
        case Command::RenameFromTags: {
            RenameFromTagsDialog dialog(window_);
            dialog.exec();
            return true;
        }
        case Command::Report: {
            ReportDialog dialog(window_);
            dialog.exec();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace sonara::gui
