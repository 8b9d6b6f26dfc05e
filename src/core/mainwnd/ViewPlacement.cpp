#include "core/mainwnd/ViewPlacement.h"

#include <algorithm>
#include <cstdint>

namespace sonara {

namespace {

// The show commands a placement stores.
constexpr uint32_t kShowNormal = 1;
constexpr uint32_t kShowMinimised = 2;
constexpr uint32_t kShowMaximised = 3;
constexpr uint32_t kMinimise = 6;
constexpr uint32_t kShowMinimisedInactive = 7;
// A minimised window that comes back maximised.
constexpr uint32_t kRestoreToMaximised = 2;

// Enough of a window to grab it and drag it back.
constexpr int kMinVisible = 32;

constexpr int kPlayerViewHeight = 92;
constexpr int kPlayerViewBottomMargin = 6;

int overlap(int aFrom, int aTo, int bFrom, int bTo) {
    return std::max(0, std::min(aTo, bTo) - std::max(aFrom, bFrom));
}

int gap(int aFrom, int aTo, int bFrom, int bTo) {
    return std::max({0, bFrom - aTo, aFrom - bTo});
}

int64_t overlapArea(const ScreenRect& a, const ScreenRect& b) {
    return int64_t{overlap(a.left, a.right, b.left, b.right)} *
           overlap(a.top, a.bottom, b.top, b.bottom);
}

int64_t distanceSquared(const ScreenRect& a, const ScreenRect& b) {
    const int64_t dx = gap(a.left, a.right, b.left, b.right);
    const int64_t dy = gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

bool showsEnough(const ScreenRect& window, const ScreenRect& screen) {
    return overlap(window.left, window.right, screen.left, screen.right) >=
               std::min(kMinVisible, window.width()) &&
           overlap(window.top, window.bottom, screen.top, screen.bottom) >=
               std::min(kMinVisible, window.height());
}

size_t nearestScreen(const ScreenRect& window, const std::vector<ScreenRect>& screens) {
    size_t best = 0;
    for (size_t i = 1; i < screens.size(); ++i) {
        if (distanceSquared(window, screens[i]) < distanceSquared(window, screens[best])) {
            best = i;
        }
    }
    return best;
}

void setPlacementRect(WindowPlacement& p, const ScreenRect& r) {
    p.left = r.left;
    p.top = r.top;
    p.right = r.right;
    p.bottom = r.bottom;
}

WindowPlacementPlan restoreOrKeep(const PlacementInputs& in) {
    WindowPlacementPlan plan;
    plan.alwaysOnTop = in.alwaysOnTop;
    if (in.stored) {
        plan.geometry = PlacementGeometry::RestorePlacement;
        plan.placement = bringOntoScreens(*in.stored, in.screens);
        // A window that would come up minimised is shown restored.
        plan.maximised = placementShowState(*in.stored) == WindowShowState::Maximised ||
                         (placementShowState(*in.stored) == WindowShowState::Minimised &&
                          (in.stored->flags & kRestoreToMaximised) != 0);
        plan.frame = plan.maximised ? FrameChange::Remove : FrameChange::Add;
    }
    return plan;
}

WindowPlacementPlan fixedSize(const PlacementInputs& in, ScreenSize size) {
    WindowPlacementPlan plan;
    plan.geometry = PlacementGeometry::PositionWithFixedSize;
    plan.size = size;
    plan.frame = FrameChange::Remove;
    plan.alwaysOnTop = in.alwaysOnTop;
    if (in.stored) {
        // Only the position is taken; the screen check needs the new size.
        WindowPlacement at = *in.stored;
        at.showCommand = kShowNormal;
        at.right = at.left + size.width;
        at.bottom = at.top + size.height;
        plan.placement = bringOntoScreens(at, in.screens);
    }
    return plan;
}

}  // namespace

WindowShowState placementShowState(const WindowPlacement& p) {
    switch (p.showCommand) {
        case kShowMaximised:
            return WindowShowState::Maximised;
        case kShowMinimised:
        case kMinimise:
        case kShowMinimisedInactive:
            return WindowShowState::Minimised;
        default:
            return WindowShowState::Normal;
    }
}

ScreenRect placementRect(const WindowPlacement& p) {
    return {p.left, p.top, p.right, p.bottom};
}

WindowPlacement makeWindowPlacement(const ScreenRect& normal, WindowShowState state) {
    WindowPlacement p;
    p.showCommand = state == WindowShowState::Maximised   ? kShowMaximised
                    : state == WindowShowState::Minimised ? kShowMinimised
                                                          : kShowNormal;
    p.minX = -1;
    p.minY = -1;
    setPlacementRect(p, normal);
    return p;
}

std::optional<size_t> screenForWindow(const ScreenRect& window,
                                      const std::vector<ScreenRect>& screens) {
    if (screens.empty()) {
        return std::nullopt;
    }
    size_t best = 0;
    for (size_t i = 1; i < screens.size(); ++i) {
        if (overlapArea(window, screens[i]) > overlapArea(window, screens[best])) {
            best = i;
        }
    }
    if (overlapArea(window, screens[best]) > 0) {
        return best;
    }
    return nearestScreen(window, screens);
}

WindowPlacement bringOntoScreens(const WindowPlacement& placement,
                                 const std::vector<ScreenRect>& screens) {
    const ScreenRect window = placementRect(placement);
    if (screens.empty() || window.width() <= 0 || window.height() <= 0) {
        return placement;
    }
    for (const ScreenRect& screen : screens) {
        if (showsEnough(window, screen)) {
            return placement;
        }
    }
    const ScreenRect& screen = screens[nearestScreen(window, screens)];
    const int width = std::min(window.width(), screen.width());
    const int height = std::min(window.height(), screen.height());
    const int left = std::clamp(window.left, screen.left, screen.right - width);
    const int top = std::clamp(window.top, screen.top, screen.bottom - height);
    WindowPlacement moved = placement;
    setPlacementRect(moved, {left, top, left + width, top + height});
    return moved;
}

WindowPlacementPlan planWindowPlacement(ViewMode view, const PlacementInputs& in) {
    switch (view) {
        case ViewMode::Normal:
            if (in.ownerMode) {
                WindowPlacementPlan plan;
                plan.geometry = PlacementGeometry::FillWorkArea;
                plan.alwaysOnTop = in.alwaysOnTop;
                return plan;
            }
            return restoreOrKeep(in);
        case ViewMode::Party: {
            WindowPlacementPlan plan;
            plan.geometry = PlacementGeometry::FillWorkArea;
            plan.frame = FrameChange::Remove;
            plan.alwaysOnTop = true;
            return plan;
        }
        case ViewMode::Playlist: {
            WindowPlacementPlan plan = restoreOrKeep(in);
            if (!in.stored) {
                plan.geometry = PlacementGeometry::DefaultPlacement;
                plan.frame = FrameChange::Add;
            }
            return plan;
        }
        case ViewMode::Toolbar:
            return fixedSize(in, in.miniToolBar);
        case ViewMode::Player: {
            const int spectrum = in.largeSpectrumShown ? in.largeSpectrumHeight : 0;
            return fixedSize(in, {in.playerControlsWidth,
                                  kPlayerViewHeight + spectrum + kPlayerViewBottomMargin});
        }
        case ViewMode::Library:
        case ViewMode::LibraryAndPlaylist:
        case ViewMode::TouchScreen:
            return restoreOrKeep(in);
    }
    return {};
}

}  // namespace sonara
