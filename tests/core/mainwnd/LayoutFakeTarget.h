#pragma once

#include <map>
#include <ostream>

#include "core/mainwnd/LayoutTarget.h"
#include "core/mainwnd/MainTemplate.h"

namespace sonara {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.width << " x " << rect.height
         << "}";
}

}  // namespace sonara

namespace sonara::testing {

// A window of rectangles: the template's controls at their pixel places,
// the library tool bar over the library label's row, and a log of moves.
class LayoutFakeTarget : public LayoutTarget {
  public:
    static constexpr Rect kToolBarRect{80, 36, 250, 20};

    LayoutFakeTarget() {
        for (const TemplateControl& control : MainTemplate::controls()) {
            rects[control.id] = dialogUnitsToPixels(control.units);
        }
        rects[ControlId::LibraryToolBar] = kToolBarRect;
    }

    Rect controlRect(ControlId id) const override {
        auto found = rects.find(id);
        return found != rects.end() ? found->second : Rect{};
    }
    void moveControl(ControlId id, const Rect& rect) override {
        ++moves;
        rects[id] = rect;
    }

    Rect operator[](ControlId id) const { return controlRect(id); }

    std::map<ControlId, Rect> rects;
    int moves = 0;
};

}  // namespace sonara::testing
