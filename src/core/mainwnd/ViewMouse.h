#pragma once

#include <optional>

#include "core/mainwnd/ViewMode.h"

namespace sonara {

// What a double click on the window's background (not on a control) does.
struct ViewDoubleClick {
    enum class Action { Nothing, ToggleMaximised, SwitchView };
    Action action = Action::Nothing;
    std::optional<ViewMode> view;  // with SwitchView
    bool operator==(const ViewDoubleClick&) const = default;
};

ViewDoubleClick doubleClickAction(ViewMode view);

// Whether a press on the background starts moving the window: never in
// Party view (the guests may not move it) nor while maximised.
bool canDragWindow(ViewMode view, bool maximised);

}  // namespace sonara
