#pragma once

#include "gui/dialogs/DialogFamily.h"

namespace sonara::gui {

class MainWindow;

// "Program options": the preferences dialog over the window. On OK the
// edited values go into the store, "WaveoutDeviceID" is written at once,
// the running program takes the changes and every preference is saved;
// Cancel (or closing) leaves the store and the file as they were.
// Borrows the window; user-interface thread only.
class PreferencesDialogs final : public DialogFamily {
  public:
    explicit PreferencesDialogs(MainWindow& window) : window_(window) {}

    bool run(Command command) override;

  private:
    void open();

    MainWindow& window_;
};

}  // namespace sonara::gui
