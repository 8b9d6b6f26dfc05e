#pragma once

#include <cstdint>
#include <optional>

#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/LayoutFraction.h"
#include "core/mainwnd/Rect.h"

namespace sonara {

// The flags of a layout row, by what they do. Each edge takes the first
// matching flag of its group, in the order listed; the adjustments then apply,
// each that is set, in the order placeByRule applies them.
namespace layout_flag {
// Left edge.
inline constexpr std::uint32_t kLeftFromReference = 0x80;
inline constexpr std::uint32_t kLeftFixed = 0x1;
inline constexpr std::uint32_t kLeftCentredOnReference = 0x200;
inline constexpr std::uint32_t kLeftAtClientEdge = 0x400;
inline constexpr std::uint32_t kLeftFollowsWidth = 0x2;
// Top edge.
inline constexpr std::uint32_t kTopFromReference = 0x40;
inline constexpr std::uint32_t kTopFixed = 0x4;
inline constexpr std::uint32_t kTopFollowsHeight = 0x8;
inline constexpr std::uint32_t kTopAtClientEdge = 0x800;
// 0x200, 0x800000 and 0x1000000 also keep the previous row's top.
// Right and bottom edges.
inline constexpr std::uint32_t kWidthScales = 0x10;
inline constexpr std::uint32_t kBottomFollowsHeight = 0x100;
inline constexpr std::uint32_t kHeightScales = 0x20;
inline constexpr std::uint32_t kBottomAboveReserve = 0x400000;  // also: top = R.bottom
// Adjustments.
inline constexpr std::uint32_t kRightToClient = 0x10000;
inline constexpr std::uint32_t kBottomToClient = 0x20000;
inline constexpr std::uint32_t kMoveToClientRight = 0x4000;
inline constexpr std::uint32_t kMoveToClientLeft = 0x4000000;
inline constexpr std::uint32_t kMoveToClientBottom = 0x8000;
inline constexpr std::uint32_t kHeightOfReference = 0x40000;
inline constexpr std::uint32_t kTopBelowReference = kBottomAboveReserve;
inline constexpr std::uint32_t kRightBeforeReference = 0x8000000;
inline constexpr std::uint32_t kCentreOnReferenceVertically = 0x80000;
inline constexpr std::uint32_t kBottomAboveReference = 0x2000;
inline constexpr std::uint32_t kWorkSpaceTop = 0x2000000;
inline constexpr std::uint32_t kMoveAfterReference = 0x100000;
inline constexpr std::uint32_t kNudgeRight = 0x200000;
inline constexpr std::uint32_t kBelowReferenceCentred = 0x1000;
inline constexpr std::uint32_t kBelowReferenceLeft = 0x10000000;
inline constexpr std::uint32_t kBelowReferenceRight = 0x20000000;
inline constexpr std::uint32_t kSpanAfterReference = 0x40000000;
inline constexpr std::uint32_t kRightBeforeReferenceWindow = 0x80000000;
inline constexpr std::uint32_t kRightAlignWithReference = 0x800000;
inline constexpr std::uint32_t kAboveReferenceRight = 0x1000000;
}  // namespace layout_flag

// One row of a layout table, captured when the table was built.
struct LayoutRule {
    ControlId control{};
    Rect initial;  // the control's rectangle then
    std::optional<ControlId> reference;
    Rect referenceInitial;  // empty without a reference
    std::uint32_t flags = 0;
    int gap = 8;
    LayoutFraction left;  // of the client width then
    LayoutFraction width;
    LayoutFraction top;  // of the client height then
    LayoutFraction height;
};

// What one row is placed against while a table is applied.
struct LayoutSituation {
    Rect client;          // now
    Rect initialClient;   // when the table was built
    Rect reference;       // the reference's current rectangle; empty without one
    Rect controlNow;      // the control's rectangle before this row moves it
    int previousTop = 0;  // the top the previous row of the table put its control at
    int workSpacePercent = 100;
};

// Where the row puts its control: the result of the four edge steps and the
// adjustments, before any collapse of a negative size. Placing below R
// (0x1000, 0x10000000, 0x20000000) or right-aligned above it (0x1000000)
// keeps the control's initial size.
Rect placeByRule(const LayoutRule& rule, const LayoutSituation& situation);

}  // namespace sonara
