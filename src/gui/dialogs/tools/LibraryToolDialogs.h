#pragma once

#include "gui/dialogs/DialogFamily.h"

namespace sonara::gui {

class MainWindow;

// The library tools that work over files: the MP3 Space Maker, the rename
// from tags and the library report. Borrows the window. User-interface
// thread only.
class LibraryToolDialogs final : public DialogFamily {
  public:
    explicit LibraryToolDialogs(MainWindow& window) : window_(window) {}

    bool run(Command command) override;

  private:
    MainWindow& window_;
};

}  // namespace sonara::gui
