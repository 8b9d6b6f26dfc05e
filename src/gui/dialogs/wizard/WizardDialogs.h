#pragma once

#include "gui/dialogs/DialogFamily.h"

namespace sonara::gui {

class MainWindow;

// "Setup Wizard...": on a library with songs it asks before the reset; then
// playback stops, the play list, the library, the sources and the path
// cache are emptied and the wizard builds a new library in them. After a
// Cancel the user is told how to start it again. A start while the wizard
// runs is ignored. Borrows the window; user-interface thread only.
class WizardDialogs final : public DialogFamily {
  public:
    explicit WizardDialogs(MainWindow& window) : window_(window) {}

    bool run(Command command) override;

  private:
    void runWizard();

    MainWindow& window_;
    bool running_ = false;
};

}  // namespace sonara::gui
