#pragma once

#include <optional>
#include <string>

#include "core/mainwnd/MenuItem.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

// The outside MP3 player as the menus name it; the shell hand-off fills it.
struct ExternalPlayerLabels {
    // The player's name ("Audacious"); may be empty when it cannot be told.
    std::string name;
    // The action word of "PlayerAction" ("Open", "Play", "Enque").
    std::string actionText;
    // Whether the player takes a play list to replace or to extend its own.
    bool canSetPlayList = false;
    bool canAppendPlayList = false;
};

// What the menus' run-time changes depend on.
struct MenuContext {
    ViewMode view = ViewMode::Normal;
    // "UseAsDefaultPlayer" 1; 0 means the outside player is in use.
    bool builtInPlayer = true;
    ExternalPlayerLabels externalPlayer;
};

// The menu `id` as it must be shown now: the stored menu with every change
// the context asks for (check marks, removed and inserted items, player
// names). Pure.
Menu prepareMenu(MenuId id, const MenuContext& context);

// The main menu's "Views" sub-menu on its own, with the same changes; a
// right click on the window's background opens it.
Menu prepareViewsMenu(const MenuContext& context);

// The menu the menu button opens in the view.
MenuId menuButtonMenu(ViewMode view);

// A right click on a selected library row, in the play list or on the
// window's background: the menu to show, none where nothing opens (Party
// view keeps only the library's own short menu).
enum class RightClickTarget { LibraryRow, PlayList, Background };
std::optional<Menu> rightClickMenu(RightClickTarget target, const MenuContext& context);

}  // namespace sonara
