#pragma once

#include <memory>
#include <vector>

#include "core/app/Command.h"

namespace sonara::gui {

class DialogFamily;
class MainWindow;

// Every dialog family of the main window: a menu command goes to the first
// family that knows it. Borrows the window; user-interface thread only.
class WindowDialogs {
  public:
    explicit WindowDialogs(MainWindow& window);
    ~WindowDialogs();
    WindowDialogs(const WindowDialogs&) = delete;
    WindowDialogs& operator=(const WindowDialogs&) = delete;

    // False when no family opens a dialog for `command`.
    bool run(Command command);

  private:
    std::vector<std::unique_ptr<DialogFamily>> families_;
};

}  // namespace sonara::gui
