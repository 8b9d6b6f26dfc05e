#include "gui/mainwnd/WindowPlacer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace sonara::gui {

std::vector<ScreenRect> WindowPlacer::screenAreas() {
    std::vector<ScreenRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(toScreenRect(screen->availableGeometry()));
    }
    return areas;
}

ScreenRect WindowPlacer::toScreenRect(const QRect& rect) {
    return ScreenRect{rect.left(), rect.top(), rect.left() + rect.width(),
                      rect.top() + rect.height()};
}

QRect WindowPlacer::toQRect(const ScreenRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

WindowPlacement WindowPlacer::currentPlacement() const {
    const bool maximised = window_.isMaximized();
    const QRect normal = maximised ? window_.normalGeometry() : window_.geometry();
    WindowShowState state = WindowShowState::Normal;
    if (window_.isMinimized()) {
        state = WindowShowState::Minimised;
    } else if (maximised) {
        state = WindowShowState::Maximised;
    }
    return makeWindowPlacement(toScreenRect(normal.isValid() ? normal : window_.geometry()), state);
}

QRect WindowPlacer::currentWorkArea() const {
    const std::vector<ScreenRect> areas = screenAreas();
    const std::optional<size_t> index = screenForWindow(toScreenRect(window_.geometry()), areas);
    if (!index) {
        return window_.geometry();
    }
    return toQRect(areas[*index]);
}

void WindowPlacer::setStaysOnTop(bool onTop) {
    if (window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    // Changing the flags hides the window; show it again where it was.
    const bool visible = window_.isVisible();
    window_.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        window_.show();
    }
}

void WindowPlacer::apply(const WindowPlacementPlan& plan, const QRect& defaultGeometry,
                         bool& resizable) {
    if (plan.frame == FrameChange::Add) {
        resizable = true;
    } else if (plan.frame == FrameChange::Remove) {
        resizable = false;
    }
    setStaysOnTop(plan.alwaysOnTop);
    switch (plan.geometry) {
        case PlacementGeometry::KeepWhereItIs:
            break;
        case PlacementGeometry::RestorePlacement:
            if (plan.placement) {
                const QRect normal = toQRect(placementRect(*plan.placement));
                if (window_.isMaximized() && !plan.maximised) {
                    window_.showNormal();
                }
                window_.setGeometry(normal);
                if (plan.maximised && window_.isVisible()) {
                    window_.showMaximized();
                }
            }
            break;
        case PlacementGeometry::DefaultPlacement:
            window_.setGeometry(defaultGeometry);
            break;
        case PlacementGeometry::FillWorkArea: {
            const QRect area = currentWorkArea();
            if (window_.isMaximized()) {
                window_.showNormal();
            }
            window_.setGeometry(area);
            break;
        }
        case PlacementGeometry::PositionWithFixedSize: {
            QPoint topLeft = window_.pos();
            if (plan.placement) {
                topLeft = QPoint(plan.placement->left, plan.placement->top);
            }
            if (window_.isMaximized()) {
                window_.showNormal();
            }
            window_.setGeometry(QRect(topLeft, QSize(plan.size.width, plan.size.height)));
            break;
        }
    }
}

}  // namespace sonara::gui
