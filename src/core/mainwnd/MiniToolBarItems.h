#pragma once

#include <optional>
#include <span>

#include "core/app/Command.h"
#include "core/app/TextId.h"
#include "core/mainwnd/Rect.h"

namespace sonara {

// What a button of the main window's mini tool bar asks for; the numbers
// are the ones the bar posts to its window.
enum class MiniToolBarAction {
    Close = 1,
    HideToTray = 2,
    Minimise = 3,
    Maximise = 4,
    Restore = 5,
    ViewNormal = 6,
    ViewPlayList = 7,
    ViewPlayer = 8,
    ViewBar = 9,
    ViewParty = 10,
    Previous = 11,
    Play = 12,
    Pause = 13,
    Stop = 14,
    Next = 15,
};

// One button: where it sits on the bar's picture, what it does, its tip.
struct MiniToolBarItem {
    Rect rect;
    MiniToolBarAction action;
    TextId tip;
};

// The fifteen buttons, left to right. Every skin's "MiniToolBar.bmp" is
// drawn for these rectangles.
std::span<const MiniToolBarItem> miniToolBarItems();

// The action a posted number names; none outside 1 to 15.
std::optional<MiniToolBarAction> miniToolBarActionFromNumber(int number);

// The command the window runs for the action: closing is the same as
// "Exit", the views are the "Views" menu's, the transport buttons their
// buttons'. None for hiding to the tray, minimising, maximising and
// restoring, which only the window itself can do.
std::optional<Command> miniToolBarCommand(MiniToolBarAction action);

}  // namespace sonara
