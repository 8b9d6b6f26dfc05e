#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sonara {

// Where a window was, as kept in the preference file:
// "%u,%u,(%d,%d),(%d,%d,%d,%d)" = flags, show command, (minimised x, y),
// (normal left, top, right, bottom).
struct WindowPlacement {
    uint32_t flags = 0;
    uint32_t showCommand = 0;
    int minX = 0;
    int minY = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// Nothing unless the text holds all eight fields.
std::optional<WindowPlacement> parseWindowPlacement(std::string_view text);
std::string formatWindowPlacement(const WindowPlacement& placement);

// The keys, in section "Preferences", that hold one placement each.
namespace placementKey {
inline constexpr std::string_view kNormalView = "WindowPos";
inline constexpr std::string_view kPartyView = "PartyModePos";
inline constexpr std::string_view kPlayerView = "PlayerVisMode";  // views 2 and 4
inline constexpr std::string_view kPlaylistView = "PlaylistMode";
inline constexpr std::string_view kLibraryView = "Library View";
inline constexpr std::string_view kLibraryAndPlaylistView = "Library and Playlist View";
inline constexpr std::string_view kTouchScreenView = "TouchScreen View";
inline constexpr std::string_view kOwnerMode = "OwnerModeWindowPos";
inline constexpr std::string_view kBarWindow = "BarWindowPos";
inline constexpr std::string_view kDuplicateFinder = "DupFilesDlgWndPos";
inline constexpr std::string_view kRenameFromTags = "TagToFNDlgWndPos";
}  // namespace placementKey

}  // namespace sonara
