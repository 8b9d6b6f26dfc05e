#include "gui/mainwnd/WindowDialogs.h"

#include "gui/dialogs/DialogFamily.h"
#include "gui/dialogs/editors/EditorDialogs.h"
#include "gui/dialogs/settings/PreferencesDialogs.h"
#include "gui/dialogs/sources/SourcesDialogs.h"
#include "gui/dialogs/tools/LibraryToolDialogs.h"
#include "gui/dialogs/tools2/CollectionToolDialogs.h"
#include "gui/dialogs/transfer/TransferDialogs.h"
#include "gui/dialogs/wizard/WizardDialogs.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

WindowDialogs::WindowDialogs(MainWindow& window) {
    families_.push_back(std::make_unique<PreferencesDialogs>(window));
    families_.push_back(std::make_unique<SourcesDialogs>(window));
    families_.push_back(std::make_unique<WizardDialogs>(window));
    families_.push_back(std::make_unique<LibraryToolDialogs>(window));
    families_.push_back(std::make_unique<CollectionToolDialogs>(window));
    families_.push_back(std::make_unique<EditorDialogs>(window));
    families_.push_back(std::make_unique<TransferDialogs>(window));
}

WindowDialogs::~WindowDialogs() = default;

bool WindowDialogs::run(Command command) {
    for (const std::unique_ptr<DialogFamily>& family : families_) {
        if (family->run(command)) {
            return true;
        }
    }
    return false;
}

}  // namespace sonara::gui
