#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// A picture whose background becomes the skin's transparent colour. Art is
// drawn over the matte colour, so anti-aliased edges blend towards the
// background the picture will sit on; the shapes added to the mask decide
// which pixels stay. finish() turns every pixel outside them into exactly
// the transparent colour and nudges any pixel inside that happens to equal
// it, so no face is punched through.
namespace sonara::skingen {

class KeyedCanvas {
  public:
    KeyedCanvas(int width, int height, QColor matte);

    QImage& art() { return art_; }
    // Marks `shape` as solid.
    void addSolid(const QPainterPath& shape);
    void addSolid(const QRectF& rect);

    // 24-bit result.
    QImage finish(QColor transparent) const;

  private:
    QImage art_;
    QImage mask_;
};

// A painter set up the way every drawing of the generator wants it.
void preparePainter(QPainter& painter);

}  // namespace sonara::skingen
