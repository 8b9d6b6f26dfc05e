#pragma once

namespace sonara {

// A rectangle by its four edges, right and bottom exclusive: how window
// placements and skin bitmap cells store one.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const EdgeRect&) const = default;
};

}  // namespace sonara
