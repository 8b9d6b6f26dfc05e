#include "gui/skin/SkinPainting.h"

#include <QPainter>
#include <algorithm>

namespace sonara::gui {

void plainCopy(QPainter& painter, const QImage& bitmap, const QRect& destination,
               QPoint sourceOrigin) {
    if (bitmap.isNull() || destination.isEmpty()) {
        return;
    }
    // The point overload never scales; parts of the source beyond the bitmap
    // are simply not drawn.
    painter.drawImage(destination.topLeft(), bitmap, QRect(sourceOrigin, destination.size()));
}

void transparentCopy(QPainter& painter, const QImage& bitmap, const QRect& destination,
                     QColor transparent, std::optional<QColor> fill, QPoint sourceOrigin) {
    if (destination.isEmpty()) {
        return;
    }
    if (fill) {
        painter.fillRect(destination, *fill);
    }
    if (bitmap.isNull()) {
        return;
    }
    const QImage part = bitmap.copy(QRect(sourceOrigin, destination.size()));
    painter.drawImage(destination.topLeft(), withTransparentColour(part, transparent));
}

void stretch(QPainter& painter, const QImage& bitmap, const QRect& destination) {
    if (bitmap.isNull() || destination.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(destination, bitmap);
    painter.restore();
}

void tile(QPainter& painter, const QImage& bitmap, const QRect& area) {
    if (bitmap.isNull() || area.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    for (int y = area.top(); y <= area.bottom(); y += bitmap.height()) {
        for (int x = area.left(); x <= area.right(); x += bitmap.width()) {
            painter.drawImage(QPoint(x, y), bitmap);
        }
    }
    painter.restore();
}

QImage scaleInto(const QImage& bitmap, const QRect& source, int width, int height) {
    const QRect part = source.intersected(bitmap.rect());
    if (bitmap.isNull() || part.isEmpty() || width <= 0 || height <= 0) {
        return {};
    }
    return bitmap.copy(part).scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage withTransparentColour(const QImage& bitmap, QColor transparent) {
    if (bitmap.isNull()) {
        return {};
    }
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
    return image;
}

QImage withoutLettering(const QImage& face, int margin) {
    if (face.width() <= 2 * margin + 1 || face.height() <= 2 * margin) {
        return face;
    }
    QImage wiped = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = margin; y < wiped.height() - margin; ++y) {
        auto* line = reinterpret_cast<QRgb*>(wiped.scanLine(y));
        std::fill(line + margin + 1, line + wiped.width() - margin, line[margin]);
    }
    return wiped;
}

}  // namespace sonara::gui
