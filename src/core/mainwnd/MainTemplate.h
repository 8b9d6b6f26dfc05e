#pragma once

#include <span>
#include <string_view>

#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/Rect.h"

namespace sonara {

enum class ControlKind {
    Button,
    Static,
    ComboBox,
    ListView,
    GroupBox,
    ProgressBar,
    Spectrum,
    LevelMeter,
    HiResTimer,
};

// One control of the main window's template. `units` is in dialog units;
// `text` is the template's own text (placeholders like "Static" included,
// which the skinned controls never show).
struct TemplateControl {
    ControlId id;
    ControlKind kind;
    std::string_view text;
    Rect units;
    bool hidden = false;
};

// The main window's template: 472 x 302 dialog units of client area, no
// caption. The library tool bar is not part of it (made at run time).
class MainTemplate {
  public:
    static constexpr int kClientWidthUnits = 472;
    static constexpr int kClientHeightUnits = 302;

    static std::span<const TemplateControl> controls();
    // Nothing for an id the template does not hold.
    static const TemplateControl* find(ControlId id);

    // The template's client area and a control's rectangle in logical pixels.
    static Rect clientPixels();
    // An empty rectangle for an id the template does not hold.
    static Rect pixelRect(ControlId id);
};

// Dialog units to logical pixels for the template font: 1.5 px across and
// 1.625 px down per unit, rounded to nearest with halves away from zero.
int horizontalUnitsToPixels(int units);
int verticalUnitsToPixels(int units);

// Converts the four edges, not origin and size, so that controls whose edges
// meet or line up in units still meet or line up in pixels; the size is the
// difference of the rounded edges and may differ by one from a rounded size.
Rect dialogUnitsToPixels(const Rect& units);

}  // namespace sonara
