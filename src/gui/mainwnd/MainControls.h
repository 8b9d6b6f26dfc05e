#pragma once

#include <QSize>
#include <functional>

#include "gui/mainwnd/ControlMap.h"
#include "gui/skin/SkinContext.h"

class QWidget;

namespace sonara::gui {

class SkinRecord;

// The main window's own controls, beside the panes': the two skin images
// and the menu button; and hidden placeholders for the template controls
// that only anchor the layout, so every layout rule finds its reference.
namespace main_controls {

void createSkinImages(QWidget& window, SkinContext& context, ControlMap& controls);
void createMenuButton(QWidget& window, SkinContext& context, ControlMap& controls,
                      std::function<void()> pressed);
// Every template control no pane made, as an invisible widget at its
// template rectangle. Call after every pane has made its controls.
void createPlaceholders(QWidget& window, ControlMap& controls);
// The smallest client size the resizable views allow with this skin: the
// template's width (the skin's images and the mini tool bar beside each
// other, if wider), and room for a few rows.
QSize minimumClientSize(const SkinRecord& skin);

}  // namespace main_controls

}  // namespace sonara::gui
