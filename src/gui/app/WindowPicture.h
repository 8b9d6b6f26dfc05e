#pragma once

#include <QString>

class QWidget;

namespace sonara::gui {

// Lets the window finish what it posted to itself (the lists' fill, the
// layout), then renders it at its real size to a PNG file. False when the
// file could not be written.
bool saveWindowPicture(QWidget& window, const QString& path);

}  // namespace sonara::gui
