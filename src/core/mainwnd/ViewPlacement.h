#pragma once

#include <optional>
#include <vector>

#include "core/mainwnd/ViewMode.h"
#include "core/settings/EdgeRect.h"
#include "core/settings/WindowPlacement.h"

namespace sonara {

// A rectangle in screen pixels; right and bottom lie just outside it, as in
// a stored placement.
using ScreenRect = EdgeRect;

struct ScreenSize {
    int width = 0;
    int height = 0;
    bool operator==(const ScreenSize&) const = default;
};

enum class WindowShowState { Normal, Maximised, Minimised };

// The show state a stored placement asks for.
WindowShowState placementShowState(const WindowPlacement& placement);
ScreenRect placementRect(const WindowPlacement& placement);
// The placement to store for a window with this restored rectangle.
WindowPlacement makeWindowPlacement(const ScreenRect& normal, WindowShowState state);

// The screen (index into `screens`) that shows most of `window`, else the one
// nearest to it; nothing without screens.
std::optional<size_t> screenForWindow(const ScreenRect& window,
                                      const std::vector<ScreenRect>& screens);

// A placement whose window would show less than a 32 × 32 corner (or less
// than all of a smaller window) on every screen, as after a monitor was
// unplugged, is moved onto the nearest screen and shrunk to fit it; others
// are returned as they are. No screens: unchanged.
WindowPlacement bringOntoScreens(const WindowPlacement& placement,
                                 const std::vector<ScreenRect>& screens);

enum class FrameChange { Keep, Add, Remove };

enum class PlacementGeometry {
    KeepWhereItIs,         // no stored placement: the window stays
    RestorePlacement,      // `placement`, with its show state
    DefaultPlacement,      // the window's placement when it was made
    FillWorkArea,          // the work area of the screen the window is on
    PositionWithFixedSize  // `placement`'s top-left when given, else stay; `size`
};

// What the window does to place itself for a view.
struct WindowPlacementPlan {
    PlacementGeometry geometry = PlacementGeometry::KeepWhereItIs;
    std::optional<WindowPlacement> placement;
    bool maximised = false;  // with RestorePlacement
    ScreenSize size;         // the client size with PositionWithFixedSize
    FrameChange frame = FrameChange::Keep;
    bool alwaysOnTop = false;
};

// What the placing needs to know besides the view.
struct PlacementInputs {
    bool ownerMode = false;
    // The view's stored placement (under placementKeyFor), already parsed.
    std::optional<WindowPlacement> stored;
    bool alwaysOnTop = false;         // viewStaysOnTop for the view
    int playerControlsWidth = 0;      // the player view's width
    bool largeSpectrumShown = false;  // in the player view
    int largeSpectrumHeight = 0;
    ScreenSize miniToolBar;           // the bar view's size
    std::vector<ScreenRect> screens;  // for bringing a stored placement back
};

WindowPlacementPlan planWindowPlacement(ViewMode view, const PlacementInputs& inputs);

}  // namespace sonara
