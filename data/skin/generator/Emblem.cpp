#include "Emblem.h"

#include <QLinearGradient>
#include <array>
#include <cmath>

#include "KeyedCanvas.h"

namespace sonara::skingen {

namespace {

constexpr std::array<qreal, 5> kStillHeights = {0.30, 0.58, 0.80, 0.50, 0.26};
constexpr int kSharpBelow = 32;

void drawDisc(QPainter& painter, const QRectF& disc, const Palette& palette, qreal rim) {
    QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
    fill.setColorAt(0, palette.logoTop);
    fill.setColorAt(1, palette.logoBottom);
    painter.setBrush(fill);
    if (rim > 0) {
        // Keeps the disc apart from a light panel as well as a dark one.
        painter.setPen(QPen(palette.logoBottom.darker(170), rim));
        painter.drawEllipse(disc.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(disc);
    }
}

// Three bars on whole pixels: the middle one and its neighbours.
void drawSharpBars(QPainter& painter, int size, const Palette& palette,
                   std::span<const qreal> heights) {
    const int barWidth = std::max(2, int(std::lround(size * 0.14)));
    const int gap = size >= 22 ? 2 : 1;
    const int total = 3 * barWidth + 2 * gap;
    int x = (size - total) / 2;
    const size_t middle = heights.size() / 2;
    const std::array<qreal, 3> picked = {heights[middle - 1], heights[middle], heights[middle + 1]};
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.logoMarkInk);
    for (qreal height : picked) {
        // Even or odd with the size, so every bar is centred exactly.
        int h = int(std::lround(2 + height * (size * 0.68 - 2)));
        h = std::max(2, h - ((size - h) % 2));
        painter.drawRect(x, (size - h) / 2, barWidth, h);
        x += barWidth + gap;
    }
}

void drawBars(QPainter& painter, const QRectF& disc, const Palette& palette,
              std::span<const qreal> heights) {
    const auto count = qreal(heights.size());
    const qreal barWidth = disc.width() * 0.09;
    const qreal gap = disc.width() * 0.055;
    const qreal total = count * barWidth + (count - 1) * gap;
    qreal x = disc.center().x() - total / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.logoMarkInk);
    for (qreal height : heights) {
        const qreal h = height * disc.height() * 0.78;
        painter.drawRoundedRect(QRectF(x, disc.center().y() - h / 2, barWidth, h), barWidth / 2,
                                barWidth / 2);
        x += barWidth + gap;
    }
}

}  // namespace

std::span<const qreal> markHeights() {
    return kStillHeights;
}

void drawMark(QPainter& painter, const QRectF& disc, const Palette& palette,
              std::span<const qreal> heights) {
    drawDisc(painter, disc, palette, 0);
    drawBars(painter, disc, palette, heights);
}

QImage markIcon(const Palette& palette, int size, std::span<const qreal> heights) {
    QImage art(size, size, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    preparePainter(painter);
    const QRectF square(0, 0, size, size);
    if (size < kSharpBelow) {
        drawDisc(painter, square, palette, 1);
        drawSharpBars(painter, size, palette, heights);
    } else {
        const qreal rim = std::max(1.0, size / 48.0);
        drawDisc(painter, square, palette, rim);
        drawBars(painter, square.adjusted(rim, rim, -rim, -rim), palette, heights);
    }
    painter.end();
    return art;
}

}  // namespace sonara::skingen
