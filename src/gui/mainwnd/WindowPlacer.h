#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

#include "core/mainwnd/ViewPlacement.h"

namespace sonara::gui {

// Carries the view's placement plan out on a top-level window and reads its
// placement back for saving. Positions are the window's frame in screen
// pixels (the window has no frame of its own). On Wayland the compositor
// owns positions: sizes still apply, moves are only requests.
class WindowPlacer {
  public:
    explicit WindowPlacer(QWidget& window) : window_(window) {}

    // The available areas of every connected screen.
    static std::vector<ScreenRect> screenAreas();
    static ScreenRect toScreenRect(const QRect& rect);
    static QRect toQRect(const ScreenRect& rect);

    // What the window would store now under its view's key.
    WindowPlacement currentPlacement() const;

    // Applies the plan; `defaultGeometry` serves DefaultPlacement. Returns
    // whether the window should now be resizable (the sizing frame).
    void apply(const WindowPlacementPlan& plan, const QRect& defaultGeometry, bool& resizable);

  private:
    // The work area of the screen that shows most of the window.
    QRect currentWorkArea() const;
    void setStaysOnTop(bool onTop);

    QWidget& window_;
};

}  // namespace sonara::gui
