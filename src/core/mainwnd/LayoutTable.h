#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/mainwnd/LayoutRule.h"
#include "core/mainwnd/LayoutTarget.h"

namespace sonara {

// One row as a table lists it, before the rectangles are captured.
struct LayoutRowSpec {
    constexpr LayoutRowSpec(ControlId rowControl, std::uint32_t rowFlags,
                            std::optional<ControlId> rowReference = std::nullopt)
        : control(rowControl), flags(rowFlags), reference(rowReference) {}

    ControlId control;
    std::uint32_t flags;
    std::optional<ControlId> reference;
};

// Rows captured against a window, applied in order. Each row moves its
// control at once, so later rows see where earlier rows put theirs and a
// control with several rows ends where its last row puts it.
class LayoutTable {
  public:
    LayoutTable() = default;

    // Captures each row's control and reference rectangles as they are now
    // and its fractions of `initialClient`.
    static LayoutTable capture(std::span<const LayoutRowSpec> rows, const LayoutTarget& target,
                               const Rect& initialClient);

    // Places every row's control for the client rectangle `client`. A
    // computed negative width or height is collapsed to zero at the computed
    // left or top edge before the control is moved.
    void apply(LayoutTarget& target, const Rect& client, int workSpacePercent) const;

    // The rows of `control` take `size`'s width and height as their initial
    // size; positions and fractions stay.
    void updateControlSize(ControlId control, const Rect& size);

    const std::vector<LayoutRule>& rules() const { return rules_; }
    const Rect& initialClient() const { return initialClient_; }

  private:
    std::vector<LayoutRule> rules_;
    Rect initialClient_;
};

}  // namespace sonara
