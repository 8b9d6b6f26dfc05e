#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include "KeyedCanvas.h"
#include "Palette.h"

// The shared pieces of every button-like picture: the rounded face of one
// state, its caption and its symbol.
namespace sonara::skingen {

// DejaVu Sans Bold at a pixel height: on every Debian system, so builds
// draw the same captions.
QFont captionFont(int pixelSize);

// The face fills `cell` less a one-pixel margin, so neighbouring buttons
// stay apart and the corners show the background.
QRectF faceRect(const QRect& cell);
void drawFace(KeyedCanvas& canvas, const QRect& cell, const FaceStyle& style, qreal radius);

// Centred in the face; squeezed sideways when it would not fit.
void drawCaption(QImage& art, const QRectF& face, const QString& text, const FaceStyle& style,
                 const QFont& font, const QColor& shadow);

// `shape` (in a kSymbolBox box) drawn at `origin` with its shadow.
void drawShape(QImage& art, const QPainterPath& shape, QPointF origin, const QColor& colour,
               const QColor& shadow, qreal scale = 1.0);

}  // namespace sonara::skingen
