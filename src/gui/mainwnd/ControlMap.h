#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <unordered_map>

#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/MainTemplate.h"

namespace sonara::gui {

// The main window's controls by their template ids. Each pane creates its
// widgets, places them at their template rectangles and registers them
// here; the layout, the views and the skin changes then reach every control
// through this one map. The widgets belong to the window, not to the map.
class ControlMap {
  public:
    void add(ControlId id, QWidget* widget) { widgets_[static_cast<int>(id)] = widget; }
    // Nothing for a control no pane made.
    QWidget* find(ControlId id) const {
        const auto found = widgets_.find(static_cast<int>(id));
        return found == widgets_.end() ? nullptr : found->second;
    }
    void forEach(const std::function<void(ControlId, QWidget*)>& visit) const {
        for (const auto& [id, widget] : widgets_) {
            visit(static_cast<ControlId>(id), widget);
        }
    }

    // The template rectangle of `id` in logical pixels, as a QRect.
    static QRect templateRect(ControlId id) {
        const Rect r = MainTemplate::pixelRect(id);
        return {r.left, r.top, r.width, r.height};
    }
    // Creates nothing: places `widget` at the template rectangle of `id` and
    // registers it.
    void place(ControlId id, QWidget* widget) {
        widget->setGeometry(templateRect(id));
        add(id, widget);
    }

  private:
    std::unordered_map<int, QWidget*> widgets_;
};

}  // namespace sonara::gui
