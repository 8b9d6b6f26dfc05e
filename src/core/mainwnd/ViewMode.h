#pragma once

#include <optional>

namespace sonara {

// The main window's eight views; the numbers are what "LastView" stores.
enum class ViewMode : int {
    Normal = 0,
    Party = 1,
    Player = 2,
    Playlist = 3,
    Toolbar = 4,
    Library = 5,
    LibraryAndPlaylist = 6,
    TouchScreen = 7,
};

// The view a stored number names; none outside 0 to 7.
constexpr std::optional<ViewMode> viewModeFromNumber(int number) {
    if (number < 0 || number > 7) {
        return std::nullopt;
    }
    return static_cast<ViewMode>(number);
}

constexpr int viewModeNumber(ViewMode mode) {
    return static_cast<int>(mode);
}

}  // namespace sonara
