#include "core/mainwnd/LayoutRule.h"

namespace sonara {

namespace {

using namespace layout_flag;

// Below this many pixels above the client's bottom edge the play list and the
// work space end.
constexpr int kBottomReserve = 45;

struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

bool has(std::uint32_t flags, std::uint32_t flag) {
    return (flags & flag) != 0;
}

int leftEdge(const LayoutRule& rule, const LayoutSituation& s) {
    const Rect& o = rule.initial;
    const Rect& r = rule.referenceInitial;
    const Rect& R = s.reference;
    const std::uint32_t f = rule.flags;
    if (has(f, kLeftFromReference)) {
        return R.left + (o.left - r.left);
    }
    if (has(f, kLeftFixed)) {
        return o.left;
    }
    if (has(f, kLeftCentredOnReference)) {
        return R.left + R.width / 2 - o.width / 2;
    }
    if (has(f, kLeftAtClientEdge)) {
        return s.client.left + rule.gap;
    }
    if (has(f, kLeftFollowsWidth)) {
        return o.left + (s.client.width - s.initialClient.width);
    }
    return rule.left.of(s.client.width);
}

int topEdge(const LayoutRule& rule, const LayoutSituation& s) {
    const Rect& o = rule.initial;
    const Rect& r = rule.referenceInitial;
    const Rect& R = s.reference;
    const std::uint32_t f = rule.flags;
    if (has(f, kTopFromReference)) {
        return R.top + (o.top - r.top);
    }
    if (has(f, kTopFixed)) {
        return o.top;
    }
    if (has(f, kTopFollowsHeight)) {
        return o.top + (s.client.height - s.initialClient.height);
    }
    if (has(f, kTopAtClientEdge)) {
        return s.client.top + rule.gap;
    }
    if (has(f, kLeftCentredOnReference | kRightAlignWithReference | kAboveReferenceRight)) {
        return s.previousTop;
    }
    return rule.top.of(s.client.height);
}

int rightEdge(const LayoutRule& rule, const LayoutSituation& s, int left) {
    if (has(rule.flags, kWidthScales)) {
        return left + rule.width.of(s.client.width);
    }
    return left + rule.initial.width;
}

int bottomEdge(const LayoutRule& rule, const LayoutSituation& s, int top) {
    const std::uint32_t f = rule.flags;
    if (has(f, kBottomFollowsHeight)) {
        return rule.initial.bottom() + (s.client.height - s.initialClient.height);
    }
    if (has(f, kHeightScales)) {
        return top + rule.height.of(s.client.height);
    }
    if (has(f, kBottomAboveReserve)) {
        return s.client.bottom() - kBottomReserve;
    }
    return top + rule.initial.height;
}

void centreVertically(Edges& e, const Rect& R, const Rect& o) {
    e.top = R.top + (R.height - o.height) / 2;
    e.bottom = e.top + o.height;
}

void adjust(const LayoutRule& rule, const LayoutSituation& s, Edges& e) {
    const Rect& o = rule.initial;
    const Rect& R = s.reference;
    const Rect& C = s.client;
    const Rect& now = s.controlNow;
    const int g = rule.gap;
    const std::uint32_t f = rule.flags;
    if (has(f, kRightToClient)) {
        e.right = C.right() - g;
    }
    if (has(f, kBottomToClient)) {
        e.bottom = C.bottom() - g;
    }
    if (has(f, kMoveToClientRight)) {
        e.right = C.right() - g;
        e.left = e.right - o.width;
    }
    if (has(f, kMoveToClientLeft)) {
        e.left = C.left + g;
        e.right = e.left + o.width;
    }
    if (has(f, kMoveToClientBottom)) {
        e.bottom = C.bottom() - g;
        e.top = e.bottom - o.height;
    }
    if (has(f, kHeightOfReference)) {
        e.bottom = e.top + R.height;
    }
    if (has(f, kTopBelowReference)) {
        e.top = R.bottom();
    }
    if (has(f, kRightBeforeReference)) {
        e.right = R.left - 8;
    }
    if (has(f, kCentreOnReferenceVertically)) {
        centreVertically(e, R, o);
    }
    if (has(f, kBottomAboveReference)) {
        e = Edges{now.left, now.top, now.right(), R.top - g};
    }
    if (has(f, kWorkSpaceTop)) {
        centreVertically(e, R, o);
        const int freeHeight = C.bottom() - e.top - kBottomReserve;
        if (freeHeight != 0 && s.workSpacePercent != 0) {
            e.top += freeHeight - freeHeight * s.workSpacePercent / 100;
        }
    }
    if (has(f, kMoveAfterReference)) {
        e.left = R.right() + 8;
        e.right = e.left + o.width;
    }
    if (has(f, kNudgeRight)) {
        e.left += 14;
        e.right += 14;
    }
    if (has(f, kBelowReferenceCentred)) {
        e.top = R.bottom() + g;
        e.bottom = e.top + o.height;
        e.left = R.left + (R.width - o.width) / 2;
        e.right = e.left + o.width;
    }
    // Below R, the control keeps its initial size: setting only the top and
    // one side would leave a control that the fractions placed above R with a
    // negative height (the player view's transport buttons at its real size).
    if (has(f, kBelowReferenceLeft)) {
        e.top = R.bottom() + g;
        e.bottom = e.top + o.height;
        e.left = R.left;
        e.right = e.left + o.width;
    }
    if (has(f, kBelowReferenceRight)) {
        e.top = R.bottom() + g;
        e.bottom = e.top + o.height;
        e.right = R.right();
        e.left = e.right - o.width;
    }
    if (has(f, kSpanAfterReference)) {
        const int start = rule.reference ? R.right() : C.left;
        e = Edges{start + g, now.top, C.right() - g, now.bottom()};
    }
    if (has(f, kRightBeforeReferenceWindow)) {
        // The reference's window rectangle is its rectangle here: both are in
        // the client coordinates of the same window.
        e = Edges{now.left, now.top, R.left - g, now.bottom()};
    }
    if (has(f, kRightAlignWithReference)) {
        e.right = R.right();
        e.left = e.right - o.width;
    }
    // Right-aligned above R keeps the initial width, as right-aligning with R
    // does: a button must not grow with the window.
    if (has(f, kAboveReferenceRight)) {
        e.right = R.right();
        e.left = e.right - o.width;
        e.bottom = R.top - 5;
        e.top = e.bottom - o.height;
    }
}

}  // namespace

Rect placeByRule(const LayoutRule& rule, const LayoutSituation& situation) {
    Edges edges;
    edges.left = leftEdge(rule, situation);
    edges.top = topEdge(rule, situation);
    edges.right = rightEdge(rule, situation, edges.left);
    edges.bottom = bottomEdge(rule, situation, edges.top);
    adjust(rule, situation, edges);
    return Rect::fromEdges(edges.left, edges.top, edges.right, edges.bottom);
}

}  // namespace sonara
