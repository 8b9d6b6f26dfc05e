#include "gui/mainwnd/MainCommands.h"

#include "gui/mainwnd/DesktopActions.h"

#include "audio/engine/PlayerHost.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/mainwnd/MenuPreparation.h"
#include "core/mainwnd/MiniToolBarItems.h"
#include "core/mainwnd/PartyLock.h"
#include "core/mainwnd/ViewTable.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/mainwnd/LibraryTasks.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/WindowDialogs.h"

namespace sonara::gui {

namespace {

// The tray's and the media keys' player commands are the buttons'.
std::optional<Command> buttonForTrayCommand(Command command) {
    switch (command) {
        case Command::TrayPrevious:
            return Command::PreviousButton;
        case Command::TrayPlay:
            return Command::PlayButton;
        case Command::TrayPause:
            return Command::PauseButton;
        case Command::TrayStop:
            return Command::StopButton;
        case Command::TrayNext:
            return Command::NextButton;
        case Command::TrayExit:
            return Command::Exit;
        default:
            return std::nullopt;
    }
}

}  // namespace

MainCommands::MainCommands(MainWindow& window, MainPanes& panes)
    : window_(window),
      panes_(panes),
      transport_(window.services().playList.sequence(), *this, *this),
      dialogs_(std::make_unique<WindowDialogs>(window)) {}

MainCommands::~MainCommands() = default;

bool MainCommands::builtInPlayer() const {
    return window_.services().skin.prefs.values().useAsDefaultPlayer != 0;
}

bool MainCommands::isPaused() const {
    return window_.services().player.isPaused();
}

void MainCommands::togglePause() {
    window_.services().player.togglePause();
}

void MainCommands::playFile(const std::string& path) {
    if (DesktopActions* desktop = window_.services().desktop) {
        desktop->playInOutsidePlayer(path);
        return;
    }
    comesLater(Command::PlayInExternalPlayer);
}

std::string MainCommands::commandName(Command command) {
    // Menu texts are numbered by their commands.
    std::string name = stringText(static_cast<TextId>(command));
    if (const size_t keyGap = name.find("  "); keyGap != std::string::npos) {
        name.erase(keyGap);
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
    return name;
}

void MainCommands::comesLater(Command command) {
    const std::string name = commandName(command);
    window_.services().prompter.message(
        formatText(TextId::ComesLaterNote, name.empty() ? std::string("This") : name),
        Icon::Information);
}

std::optional<Menu> MainCommands::menuForButton(Command button) const {
    const MenuContext context = window_.menuContext();
    switch (button) {
        case Command::MenuButton:
            return prepareMenu(menuButtonMenu(window_.view()), context);
        case Command::AddButton:
            return prepareMenu(MenuId::AddSongs, context);
        case Command::FileButton:
            return prepareMenu(MenuId::FilePopup, context);
        case Command::WorkSpaceButton:
            return prepareMenu(MenuId::WorkSpace, context);
        default:
            return std::nullopt;
    }
}

void MainCommands::openButtonMenu(Command button) {
    const std::optional<Menu> menu = menuForButton(button);
    QWidget* widget = window_.controls().find(static_cast<ControlId>(button));
    if (!menu || widget == nullptr) {
        return;
    }
    // Menus open under the button that opened them.
    window_.openMenu(*menu, widget->mapToGlobal(QPoint(0, widget->height())));
}

void MainCommands::exitProgram() {
    if (window_.view() != ViewMode::Party) {
        window_.services().player.stopIfOpen();
    }
    emit window_.exitRequested();
}

void MainCommands::ownerSkip() {
    transport_.setView(window_.view());
    transport_.ownerSkip(panes_.firstSelectedPlayListRow());
}

void MainCommands::runMiniToolBarAction(MiniToolBarAction action) {
    if (const std::optional<Command> command = miniToolBarCommand(action)) {
        run(*command);
        return;
    }
    switch (action) {
        case MiniToolBarAction::HideToTray:
            if (DesktopActions* desktop = window_.services().desktop) {
                desktop->hideToTray();
                return;
            }
            window_.minimiseWindow();
            return;
        case MiniToolBarAction::Minimise:
            window_.minimiseWindow();
            return;
        case MiniToolBarAction::Maximise:
        case MiniToolBarAction::Restore:
            if ((action == MiniToolBarAction::Maximise) != window_.isMaximized()) {
                window_.toggleMaximised();
            }
            return;
        default:
            return;
    }
}

void MainCommands::run(Command command) {
    if (const std::optional<Command> button = buttonForTrayCommand(command)) {
        command = *button;
    }
    const ViewMode view = window_.view();
    if (!isCommandAllowed(command, view)) {
        return;
    }
    const bool builtIn = builtInPlayer();
    if (const std::optional<ViewChoice> choice = viewForMenuCommand(command, builtIn)) {
        if (choice->noteFirst) {
            window_.services().prompter.message(stringText(*choice->noteFirst), Icon::Information);
        }
        window_.setView(choice->view);
        return;
    }
    transport_.setView(view);
    transport_.setBuiltInPlayer(builtIn);
    if (transport_.run(command, panes_.firstSelectedPlayListRow())) {
        return;
    }
    if (panes_.runCommand(command)) {
        return;
    }
    switch (command) {
        case Command::MenuButton:
        case Command::AddButton:
        case Command::FileButton:
        case Command::WorkSpaceButton:
            openButtonMenu(command);
            return;
        case Command::Exit:
            exitProgram();
            return;
        case Command::AddByFile:
            window_.libraryTasks().addByFile();
            return;
        case Command::AddByFolder:
            window_.libraryTasks().addByFolder();
            return;
        case Command::UpdateLibrary:
            window_.libraryTasks().updateLibrary();
            return;
        case Command::CheckAvailability:
            window_.libraryTasks().checkAvailability();
            return;
        case Command::Skins:
            if (!window_.chooseSkin()) {
                comesLater(command);
            }
            return;
        case Command::Help:
        case Command::About:
        case Command::TrayAbout:
            if (DesktopActions* desktop = window_.services().desktop) {
                command == Command::Help ? desktop->showHelp() : desktop->showAbout();
                return;
            }
            comesLater(command);
            return;
        case Command::SetExternalPlayList:
        case Command::AppendExternalPlayList:
            if (DesktopActions* desktop = window_.services().desktop) {
                desktop->playListInOutsidePlayer(command == Command::AppendExternalPlayList);
                return;
            }
            comesLater(command);
            return;
        case Command::TrayShow:
            window_.showNormal();
            window_.raise();
            window_.activateWindow();
            return;
        case Command::WorkSpaceBumpUp:
        case Command::WorkSpaceBumpDown:
        case Command::WorkSpace20:
        case Command::WorkSpace30:
        case Command::WorkSpace40:
        case Command::WorkSpace50:
        case Command::WorkSpace60:
        case Command::WorkSpace70:
        case Command::WorkSpace80:
        case Command::WorkSpace90:
        case Command::WorkSpace100:
        case Command::TouchSearchButton:
        case Command::TouchBackButton:
        case Command::SearchFieldChanged:
            return;  // nothing to change, or no action of their own
        default:
            if (!dialogs_->run(command)) {
                comesLater(command);
            }
            return;
    }
}

}  // namespace sonara::gui
