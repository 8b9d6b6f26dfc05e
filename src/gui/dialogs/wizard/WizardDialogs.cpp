#include "gui/dialogs/wizard/WizardDialogs.h"

#include <QDir>
#include <QPointer>

#include "audio/engine/PlayerHost.h"
#include "core/app/DataFileSaver.h"
#include "core/app/DataPaths.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/dialogs/wizard/SetupWizardDialog.h"
#include "gui/mainwnd/LibraryTasks.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

bool WizardDialogs::run(Command command) {
    if (command != Command::SetupWizard) {
        return false;
    }
    if (!running_) {
        running_ = true;
        // Hiding to the tray may delete the window, and this family with
        // it, while the wizard runs.
        const QPointer<MainWindow> window(&window_);
        runWizard();
        if (window) {
            running_ = false;
        }
    }
    return true;
}

void WizardDialogs::runWizard() {
    MainServices& services = window_.services();
    if (services.library.count() > 0 &&
        services.prompter.ask(stringText(TextId::ResetLibraryQuestion), Buttons::YesNo) !=
            Answer::Yes) {
        return;
    }
    services.player.stopIfOpen();
    // The play list and the library list point at records: both let go first.
    window_.panes().runCommand(Command::ClearPlayList);
    window_.panes().libraryChanging();
    services.library.clear();
    services.sources.clear();
    services.pathCache.clear();

    LibraryScope scope{services.library,
                       services.sources,
                       services.pathCache,
                       services.recordFactory,
                       window_.libraryTasks().drives(),
                       services.prompter};
    const WizardSkips skips =
        WizardSkips::forSonara(QDir::homePath().toStdString(), services.paths.programFolder,
                               services.skin.prefs.values().copyDelFilesToFolder);
    // On the heap: a window deleted meanwhile takes its children with it.
    const QPointer<MainWindow> window(&window_);
    const QPointer<SetupWizardDialog> dialog = new SetupWizardDialog(
        services.skin, scope, skips, [&services] { services.saver.saveDataFiles(); }, &window_);
    const int result = dialog->exec();
    delete dialog.data();
    if (result != QDialog::Accepted) {
        WizardPages::tellCancelled(services.prompter);
    }
    if (window) {
        window->panes().libraryChanged();
    }
    services.saver.saveDataFiles();
}

}  // namespace sonara::gui
