#include "KeyedCanvas.h"

namespace sonara::skingen {

KeyedCanvas::KeyedCanvas(int width, int height, QColor matte)
    : art_(width, height, QImage::Format_ARGB32_Premultiplied),
      mask_(width, height, QImage::Format_Grayscale8) {
    art_.fill(matte);
    mask_.fill(0);
}

void KeyedCanvas::addSolid(const QPainterPath& shape) {
    QPainter painter(&mask_);
    preparePainter(painter);
    painter.fillPath(shape, Qt::white);
}

void KeyedCanvas::addSolid(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    addSolid(path);
}

QImage KeyedCanvas::finish(QColor transparent) const {
    QImage out = art_.convertToFormat(QImage::Format_RGB888);
    const QRgb key = transparent.rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        const uchar* coverage = mask_.constScanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            if (coverage[x] < 128) {
                out.setPixel(x, y, key);
                continue;
            }
            const QRgb pixel = out.pixel(x, y) & 0xFFFFFF;
            if (pixel == key) {
                // One step towards grey in the blue channel: invisible, but
                // no longer the transparent colour.
                const int blue = qBlue(pixel);
                out.setPixel(x, y,
                             qRgb(qRed(pixel), qGreen(pixel), blue < 128 ? blue + 1 : blue - 1));
            }
        }
    }
    return out;
}

void preparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

}  // namespace sonara::skingen
