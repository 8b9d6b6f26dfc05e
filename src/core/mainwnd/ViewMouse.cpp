#include "core/mainwnd/ViewMouse.h"

namespace sonara {

ViewDoubleClick doubleClickAction(ViewMode view) {
    using A = ViewDoubleClick::Action;
    switch (view) {
        case ViewMode::Normal:
        case ViewMode::Playlist:
        case ViewMode::Library:
        case ViewMode::LibraryAndPlaylist:
            return {A::ToggleMaximised, std::nullopt};
        case ViewMode::Player:
            return {A::SwitchView, ViewMode::Toolbar};
        case ViewMode::Toolbar:
            return {A::SwitchView, ViewMode::Player};
        case ViewMode::Party:
        case ViewMode::TouchScreen:
            break;
    }
    return {};
}

bool canDragWindow(ViewMode view, bool maximised) {
    return view != ViewMode::Party && !maximised;
}

}  // namespace sonara
