#pragma once

#include "gui/dialogs/DialogFamily.h"
#include "gui/dialogs/sources/SourcesDialog.h"

namespace sonara::gui {

class MainWindow;

// "Sources..." and "Removable Media...": the sources dialog and the
// removable media dialog over the window's library and sources, with what
// follows them (the data files saved after each change, the library list
// refilled after a medium was removed or chosen, the availability check
// after a choice when asked for). Borrows the window.
class SourcesDialogs final : public DialogFamily {
  public:
    explicit SourcesDialogs(MainWindow& window);

    bool run(Command command) override;
    // Where "Add" picks its folder; tests give their own.
    void setFolderChooser(SourcesDialog::FolderChooser chooser) { chooser_ = std::move(chooser); }

  private:
    void openSources();
    void openRemovableMedia();

    MainWindow& window_;
    SourcesDialog::FolderChooser chooser_;
};

}  // namespace sonara::gui
