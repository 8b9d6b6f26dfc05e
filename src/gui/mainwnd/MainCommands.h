#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/app/Command.h"
#include "core/mainwnd/MenuItem.h"
#include "core/mainwnd/MiniToolBarItems.h"
#include "core/mainwnd/TransportCommands.h"

namespace sonara::gui {

class MainWindow;
class MainPanes;
class WindowDialogs;

// Runs the main window's commands, from whichever button, key, menu or
// message they came: Party view's lock-down first, then the views, the
// transport buttons, the work space, the panes' own commands, the menus
// the buttons open and the dialogs (WindowDialogs). A command whose dialog
// the program does not have yet says so. Borrows the window and its panes; user-interface thread
// only.
class MainCommands final : private PauseControl, private ExternalPlayerHandOff {
  public:
    MainCommands(MainWindow& window, MainPanes& panes);
    ~MainCommands();

    void run(Command command);
    // The owner's key combination in Party view.
    void ownerSkip();
    // The mini tool bar's buttons: the window's own four, or a command.
    void runMiniToolBarAction(MiniToolBarAction action);

    // The menu a button opens, prepared for the window's view; nothing for
    // other commands.
    std::optional<Menu> menuForButton(Command button) const;
    // The menu item's text without its dots and its key, for notes.
    static std::string commandName(Command command);

  private:
    bool isPaused() const override;
    void togglePause() override;
    void playFile(const std::string& path) override;

    void openButtonMenu(Command button);
    void comesLater(Command command);
    void exitProgram();
    bool builtInPlayer() const;

    MainWindow& window_;
    MainPanes& panes_;
    TransportCommands transport_;
    std::unique_ptr<WindowDialogs> dialogs_;
};

}  // namespace sonara::gui
