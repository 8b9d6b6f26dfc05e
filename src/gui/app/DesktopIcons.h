#pragma once

#include <QIcon>
#include <vector>

// The program's pictures for the desktop, decoded from the PNGs the skin
// generator compiled in. User-interface thread (QPixmap).
namespace sonara::gui {

// The window and task-bar icon, at every size it was drawn at.
QIcon applicationIcon();

// The tray's sixteen animation frames, each at its drawn sizes.
std::vector<QIcon> trayFrameIcons();

}  // namespace sonara::gui
