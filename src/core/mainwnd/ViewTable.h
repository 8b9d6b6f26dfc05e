#pragma once

#include <optional>
#include <string_view>

#include "core/app/Command.h"
#include "core/app/TextId.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

struct Preferences;

// Where a view takes its "always on top" choice from.
enum class ViewStacking {
    NotOnTop,              // views 5 and 6: never on top
    AlwaysOnTop,           // Party view
    NormalPreference,      // "Normal"
    PlayerPreference,      // "Player"
    PlayListPreference,    // "Playlist"
    BarPreference,         // "Bar"
    TouchScreenPreference  // "TouchScreen"
};

enum class ViewFrame {
    Resizable,
    FixedCoversScreen,  // Party view
    Fixed,              // Player view
    FixedMiniToolBar,   // Bar view: only the mini tool bar
    AsStored,           // touch-screen view: as its placement says
};

// One row of the view table: what a view is called, which "Views" menu item
// leads to it, where its placement is kept and how its window is framed.
struct ViewInfo {
    ViewMode mode;
    TextId name;
    Command menuCommand;
    std::string_view placementKey;
    ViewStacking stacking;
    ViewFrame frame;
    // The skin's minimum window size applies (the fixed-size views size
    // themselves).
    bool followsSkinMinimumSize;
};

const ViewInfo& viewInfo(ViewMode mode);

// The key the window's placement is read from and saved under: the owner
// mode has its own, whatever the view.
std::string_view placementKeyFor(ViewMode mode, bool ownerMode);

// Whether the view's window stays on top, from its stacking source.
bool viewStaysOnTop(ViewMode mode, const Preferences& preferences);

// What a "Views" menu command asks for: the view, and a note to show first.
struct ViewChoice {
    ViewMode view;
    std::optional<TextId> noteFirst;
    bool operator==(const ViewChoice&) const = default;
};

// Nothing for a command that is not a "Views" item. "Normal" and "Playlist"
// lead to the library views when the external player is used.
std::optional<ViewChoice> viewForMenuCommand(Command command, bool builtInPlayer);

// The view that stands for `mode` under the given player choice: the
// "Normal" and "Playlist" menu items name different views for the built-in
// and the external player, so a view stored under one choice maps onto its
// twin under the other. Other views stay.
ViewMode viewForPlayerChoice(ViewMode mode, bool builtInPlayer);

// The view the window opens in: "LastView" (the store already reads a
// stored touch-screen view as Normal; other unknown numbers read as Normal
// too), mapped onto the current player choice.
ViewMode startupView(const Preferences& preferences);

}  // namespace sonara
