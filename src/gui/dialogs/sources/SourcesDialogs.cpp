#include "gui/dialogs/sources/SourcesDialogs.h"

#include "core/app/DataFileSaver.h"
#include "core/settings/PreferenceStore.h"
#include "gui/dialogs/sources/RemovableMediaDialog.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/LibraryTasks.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

SourcesDialogs::SourcesDialogs(MainWindow& window)
    : window_(window), chooser_(&SourcesDialog::browseForFolder) {}

bool SourcesDialogs::run(Command command) {
    switch (command) {
        case Command::Sources:
            openSources();
            return true;
        case Command::RemovableMedia:
            openRemovableMedia();
            return true;
        default:
            return false;
    }
}

void SourcesDialogs::openSources() {
    MainServices& services = window_.services();
    SourcesDialog dialog(
        services.skin, services.sources, services.prompter, chooser_,
        [&services] { services.saver.saveDataFiles(); }, &window_);
    dialog.exec();
}

void SourcesDialogs::openRemovableMedia() {
    MainServices& services = window_.services();
    MainPanes& panes = window_.panes();
    RemovableMediaDialog::Hooks hooks{[&panes] { panes.libraryChanging(); },
                                      [&services] { services.saver.saveDataFiles(); }};
    RemovableMediaDialog dialog(services.skin, services.library, services.sources,
                                services.prompter, std::move(hooks), &window_);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (!chosen && !dialog.removedAny()) {
        return;
    }
    // A choice checks with the box just stored; a removal alone with the
    // stored preference.
    if (services.skin.prefs.values().checkAvailAfterRemovableMediaSelection != 0) {
        window_.libraryTasks().checkAvailability(false);
    } else if (dialog.removedAny()) {
        panes.libraryChanged();
    }
    if (chosen) {
        panes.library()->showMedium(dialog.chosenMedium());
    }
}

}  // namespace sonara::gui
