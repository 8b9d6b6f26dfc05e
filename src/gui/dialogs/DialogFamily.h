#pragma once

#include "core/app/Command.h"

namespace sonara::gui {

// The dialogs of one kind of work (the preferences, the library tools, the
// editors...) as the main window's menus open them. Each family is made once
// per window with what it borrows from it. User-interface thread only.
class DialogFamily {
  public:
    virtual ~DialogFamily() = default;
    // Opens the dialog `command` names, modally over the window, and carries
    // out what it returns with. False for a command of another family.
    virtual bool run(Command command) = 0;
};

}  // namespace sonara::gui
