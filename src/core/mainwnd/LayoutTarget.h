#pragma once

#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/Rect.h"

namespace sonara {

// The window whose controls a layout moves, as the layout sees it: rectangles
// in client coordinates and logical pixels. Called on the window's thread only.
class LayoutTarget {
  public:
    virtual ~LayoutTarget() = default;

    // The control's current rectangle; an empty one for a control the window
    // does not have.
    virtual Rect controlRect(ControlId id) const = 0;
    // Moves and sizes the control at once, keeping its stacking order; a
    // control the window does not have is ignored.
    virtual void moveControl(ControlId id, const Rect& rect) = 0;
};

}  // namespace sonara
