#pragma once

#include <QImage>
#include <QString>

namespace sonara::gui {

// Reads a skin bitmap. A missing, empty or undecodable file, and a BMP
// shorter than its header says (which the decoder would fill up with
// garbage), give a null image. The result is RGB32, or ARGB32 when the file
// has alpha.
QImage readSkinBitmap(const QString& path);

}  // namespace sonara::gui
