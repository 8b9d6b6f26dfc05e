#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

class QPainter;
class QWidget;

// The drawing routines every skinned window shares.
namespace sonara::gui {

// The part of `bitmap` from `sourceOrigin` copied 1:1 into `destination`.
void plainCopy(QPainter& painter, const QImage& bitmap, const QRect& destination,
               QPoint sourceOrigin = {});
// As plainCopy, but pixels of `transparent` leave what is underneath
// visible; `fill` (when given) paints the destination first.
void transparentCopy(QPainter& painter, const QImage& bitmap, const QRect& destination,
                     QColor transparent, std::optional<QColor> fill = std::nullopt,
                     QPoint sourceOrigin = {});
void stretch(QPainter& painter, const QImage& bitmap, const QRect& destination);
// Tiles from the top-left corner of `area` in rows, the last tiles clipped.
void tile(QPainter& painter, const QImage& bitmap, const QRect& area);
// `source` of `bitmap` scaled into a new image of the given size.
QImage scaleInto(const QImage& bitmap, const QRect& source, int width, int height);
// The image with every pixel of `transparent` made fully transparent
// (cached by callers that draw it often).
QImage withTransparentColour(const QImage& bitmap, QColor transparent);
// A button face with the lettering inside `margin` wiped: each row of the
// inside takes the colour of its pixel at the inside's left edge, which
// carries the face's gradient but no caption. Faces that are too small to
// have an inside come back as they are.
QImage withoutLettering(const QImage& face, int margin);

}  // namespace sonara::gui
