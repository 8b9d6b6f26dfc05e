#pragma once

namespace sonara {

// A rectangle as origin and size; right() and bottom() are one past the last
// column and row. A negative size is representable: the layout rules may
// compute one, and the engine collapses it before moving a control.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }

    static constexpr Rect fromEdges(int left, int top, int right, int bottom) {
        return Rect{left, top, right - left, bottom - top};
    }

    bool operator==(const Rect&) const = default;
};

}  // namespace sonara
