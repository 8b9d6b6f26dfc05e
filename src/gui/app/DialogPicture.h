#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "core/mainwnd/DialogNames.h"

namespace sonara::gui {

class MainWindow;

// Opens `dialog` over `window` as its menu would (its command, on the first
// library row when it works on a selection), waits until it settled, and
// hands `finished` the window with the dialog over it (or the dialog alone
// when `withWindow` is false); a null image when no dialog opened (the
// command said why instead). The dialog is then closed
// as if cancelled, without its own questions. Returns at once; `finished`
// runs from the event loop, after the command returned.
// User-interface thread only.
void renderDialogPicture(MainWindow& window, const NamedDialog& dialog,
                         std::function<void(const QImage&)> finished, bool withWindow = true);

}  // namespace sonara::gui
