#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <span>

#include "Palette.h"

// The program's mark: a disc with equaliser bars. The logos, the tray icon's
// animation and the application icon all draw it.
namespace sonara::skingen {

// Bar heights as fractions of the disc, left to right, of the still mark.
std::span<const qreal> markHeights();

// The mark in `disc` with the bars at `heights` (any count).
void drawMark(QPainter& painter, const QRectF& disc, const Palette& palette,
              std::span<const qreal> heights);

// The mark alone on a see-through square of `size` pixels, for the desktop.
// Below 32 pixels it keeps three bars on whole pixels, so it stays sharp at
// 16 and 22; the bars take `heights` there too, sampled from the middle.
QImage markIcon(const Palette& palette, int size, std::span<const qreal> heights);

}  // namespace sonara::skingen
