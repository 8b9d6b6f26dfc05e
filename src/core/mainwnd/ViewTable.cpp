#include "core/mainwnd/ViewTable.h"

#include <array>

#include "core/settings/Preferences.h"
#include "core/settings/WindowPlacement.h"

namespace sonara {

namespace {

using S = ViewStacking;
using F = ViewFrame;

constexpr std::array<ViewInfo, 8> kViews = {{
    {ViewMode::Normal, TextId::NormalViewName, Command::ViewNormal, placementKey::kNormalView,
     S::NormalPreference, F::Resizable, true},
    {ViewMode::Party, TextId::PartyViewName, Command::ViewParty, placementKey::kPartyView,
     S::AlwaysOnTop, F::FixedCoversScreen, true},
    {ViewMode::Player, TextId::PlayerViewName, Command::ViewPlayer, placementKey::kPlayerView,
     S::PlayerPreference, F::Fixed, false},
    {ViewMode::Playlist, TextId::PlaylistViewName, Command::ViewPlayList,
     placementKey::kPlaylistView, S::PlayListPreference, F::Resizable, true},
    {ViewMode::Toolbar, TextId::ToolbarViewName, Command::ViewBar, placementKey::kPlayerView,
     S::BarPreference, F::FixedMiniToolBar, false},
    {ViewMode::Library, TextId::LibraryViewName, Command::ViewNormal, placementKey::kLibraryView,
     S::NotOnTop, F::Resizable, true},
    {ViewMode::LibraryAndPlaylist, TextId::LibraryAndPlaylistViewName, Command::ViewPlayList,
     placementKey::kLibraryAndPlaylistView, S::NotOnTop, F::Resizable, true},
    {ViewMode::TouchScreen, TextId::TouchScreenViewName, Command::ViewTouchScreen,
     placementKey::kTouchScreenView, S::TouchScreenPreference, F::AsStored, true},
}};

}  // namespace

const ViewInfo& viewInfo(ViewMode mode) {
    return kViews[static_cast<size_t>(viewModeNumber(mode))];
}

std::string_view placementKeyFor(ViewMode mode, bool ownerMode) {
    return ownerMode ? placementKey::kOwnerMode : viewInfo(mode).placementKey;
}

bool viewStaysOnTop(ViewMode mode, const Preferences& p) {
    switch (viewInfo(mode).stacking) {
        case S::NotOnTop:
            return false;
        case S::AlwaysOnTop:
            return true;
        case S::NormalPreference:
            return p.normalOnTop == 1;
        case S::PlayerPreference:
            return p.playerOnTop == 1;
        case S::PlayListPreference:
            return p.playlistOnTop == 1;
        case S::BarPreference:
            return p.barOnTop == 1;
        case S::TouchScreenPreference:
            return p.touchScreenOnTop == 1;
    }
    return false;
}

std::optional<ViewChoice> viewForMenuCommand(Command command, bool builtInPlayer) {
    switch (command) {
        case Command::ViewNormal:
            return ViewChoice{builtInPlayer ? ViewMode::Normal : ViewMode::Library, {}};
        case Command::ViewPlayList:
            return ViewChoice{builtInPlayer ? ViewMode::Playlist : ViewMode::LibraryAndPlaylist,
                              {}};
        case Command::ViewPlayer:
            return ViewChoice{ViewMode::Player, {}};
        case Command::ViewBar:
            return ViewChoice{ViewMode::Toolbar, {}};
        case Command::ViewParty:
            return ViewChoice{ViewMode::Party, TextId::PartyViewNote};
        case Command::ViewTouchScreen:
            return ViewChoice{ViewMode::TouchScreen, {}};
        default:
            return std::nullopt;
    }
}

ViewMode viewForPlayerChoice(ViewMode mode, bool builtInPlayer) {
    if (builtInPlayer) {
        if (mode == ViewMode::Library) {
            return ViewMode::Normal;
        }
        if (mode == ViewMode::LibraryAndPlaylist) {
            return ViewMode::Playlist;
        }
        return mode;
    }
    if (mode == ViewMode::Normal) {
        return ViewMode::Library;
    }
    if (mode == ViewMode::Playlist) {
        return ViewMode::LibraryAndPlaylist;
    }
    return mode;
}

ViewMode startupView(const Preferences& preferences) {
    // The touch-screen view is never reopened by itself: without its
    // keyboard's user at the screen the window would be hard to leave.
    ViewMode last = viewModeFromNumber(preferences.lastView).value_or(ViewMode::Normal);
    if (last == ViewMode::TouchScreen) {
        last = ViewMode::Normal;
    }
    return viewForPlayerChoice(last, preferences.useAsDefaultPlayer == 1);
}

}  // namespace sonara
