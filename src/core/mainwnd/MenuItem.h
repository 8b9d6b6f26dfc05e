#pragma once

#include <string>
#include <vector>

#include "core/app/Command.h"

namespace sonara {

// The main window's and the tray's pop-up menus; the numbers are the
// program's own menu numbers.
enum class MenuId {
    Main = 261,
    Party = 166,
    AddSongs = 149,
    LibraryPopup = 156,
    LibraryPopupParty = 151,
    PlayListPopup = 195,
    FilePopup = 201,
    WorkSpace = 204,
    Tray = 152,
    TrayShort = 203,
    DuplicateFinder = 189,
};

enum class MenuItemKind { Normal, Separator, SubMenu };

// One item of a pop-up menu, as the skinned menu draws it: its text, its
// kind, and for a normal item the command it sends. Plain value.
struct MenuItem {
    MenuItemKind kind = MenuItemKind::Normal;
    std::string text;
    // Meaningful for normal items only.
    Command command{};
    bool checked = false;
    // A sub-menu's items.
    std::vector<MenuItem> items;

    bool isSeparator() const { return kind == MenuItemKind::Separator; }
    bool operator==(const MenuItem&) const = default;
};

// A menu ready to show. `disableMenuButton`: the menu button stays disabled
// while this menu is open (the main menu), and is enabled again after.
struct Menu {
    MenuId id{};
    std::vector<MenuItem> items;
    bool disableMenuButton = false;
};

}  // namespace sonara
