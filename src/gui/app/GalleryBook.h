#pragma once

#include <QImage>
#include <functional>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class MainWindow;

// The skin gallery with a page per dialog: every skinned control, then each
// named dialog as its menu opens it over `window`, captioned with its name.
// A dialog that cannot open here (one that works on a selected song, over an
// empty library) gets its caption and a note; its message went to stderr. Returns at once;
// `finished` gets the picture from the event loop. User-interface thread.
void renderGalleryBook(MainWindow& window, SkinContext& context,
                       std::function<void(const QImage&)> finished);

}  // namespace sonara::gui
