#include "ButtonFace.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>

namespace sonara::skingen {

QFont captionFont(int pixelSize) {
    static const bool loaded = [] {
        // Taken from the file when it is there, so a desktop font setup
        // cannot swap the face.
        QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        return true;
    }();
    (void)loaded;
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QRectF faceRect(const QRect& cell) {
    return QRectF(cell).adjusted(1, 1, -1, -1);
}

void drawFace(KeyedCanvas& canvas, const QRect& cell, const FaceStyle& style, qreal radius) {
    const QRectF outer = faceRect(cell);
    QPainterPath body;
    body.addRoundedRect(outer, radius, radius);
    canvas.addSolid(body);

    QPainter painter(&canvas.art());
    preparePainter(painter);
    QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
    fill.setColorAt(0, style.top);
    fill.setColorAt(1, style.bottom);
    painter.fillPath(body, fill);

    if (style.insetShadow) {
        // Pressed in: a shadow under the top edge, fading downwards.
        QLinearGradient shade(outer.topLeft(), outer.topLeft() + QPointF(0, 5));
        QColor dark = style.border.darker(300);
        dark.setAlpha(120);
        shade.setColorAt(0, dark);
        dark.setAlpha(0);
        shade.setColorAt(1, dark);
        painter.fillPath(body, shade);
    }
    if (style.highlight.alpha() > 0) {
        painter.setPen(QPen(style.highlight, 1));
        painter.drawLine(QPointF(outer.left() + radius, outer.top() + 1.5),
                         QPointF(outer.right() - radius, outer.top() + 1.5));
    }
    const QRectF edge = outer.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(style.border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(edge, radius - 0.5, radius - 0.5);
    if (style.ring.alpha() > 0) {
        painter.setPen(QPen(style.ring, 1.4));
        painter.drawRoundedRect(edge.adjusted(1.2, 1.2, -1.2, -1.2), radius - 1.5, radius - 1.5);
    }
}

void drawCaption(QImage& art, const QRectF& face, const QString& text, const FaceStyle& style,
                 const QFont& font, const QColor& shadow) {
    QPainter painter(&art);
    preparePainter(painter);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal room = face.width() - 8;
    const qreal width = metrics.horizontalAdvance(text);
    const qreal squeeze = width > room ? room / width : 1.0;
    const QPointF centre = face.center() + QPointF(style.textShift);
    // Baseline so that capitals sit in the middle of the face.
    const qreal baseline = std::round(centre.y() + metrics.capHeight() / 2);
    painter.translate(centre.x(), 0);
    painter.scale(squeeze, 1);
    const QPointF origin(-width / 2, baseline);
    painter.setPen(shadow);
    painter.drawText(origin + QPointF(0, 1), text);
    painter.setPen(style.text);
    painter.drawText(origin, text);
}

void drawShape(QImage& art, const QPainterPath& shape, QPointF origin, const QColor& colour,
               const QColor& shadow, qreal scale) {
    QPainter painter(&art);
    preparePainter(painter);
    painter.setPen(Qt::NoPen);
    painter.translate(origin + QPointF(0, 1));
    painter.scale(scale, scale);
    painter.fillPath(shape, shadow);
    painter.resetTransform();
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.fillPath(shape, colour);
}

}  // namespace sonara::skingen
