#include "SkinArt.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cstdint>

#include "ButtonFace.h"
#include "Emblem.h"
#include "KeyedCanvas.h"
#include "Symbols.h"
#include "core/skin/SkinFiles.h"

namespace sonara::skingen {

using namespace sonara::skin;

namespace {

constexpr int kColumns = 5;
constexpr int kLargeCell = 77;
constexpr int kLargeRow = 20;
constexpr int kMediumCell = 27;
constexpr int kMediumRow = 22;
constexpr int kSmallCell = 19;
constexpr int kThumb = 13;  // also the slider bitmaps' height
constexpr int kSliderFrames = 3;

// A fixed hash, so the texture is the same on every build.
int grain(int x, int y, int amplitude) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return int(h % uint32_t(2 * amplitude + 1)) - amplitude;
}

QColor shifted(const QColor& colour, int delta) {
    return QColor(std::clamp(colour.red() + delta, 0, 255),
                  std::clamp(colour.green() + delta, 0, 255),
                  std::clamp(colour.blue() + delta, 0, 255));
}

// A rounded panel filling the picture, as behind the tool strips.
void drawPanel(QImage& art, const Palette& palette) {
    QPainter painter(&art);
    preparePainter(painter);
    const QRectF area = QRectF(art.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const FaceStyle& face = palette.faces[kUp];
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(face.border, 1));
    painter.drawRoundedRect(area, 4, 4);
}

void drawThumb(QPainter& painter, const QRectF& box, const Palette& palette, int column,
               bool round) {
    QColor top = palette.accent;
    QColor bottom = palette.accentDark;
    if (column == kDown) {
        top = palette.accentDark;
        bottom = palette.accentDark.darker(130);
    } else if (column == kDisabled) {
        top = palette.faces[kDisabled].border;
        bottom = palette.faces[kDisabled].top;
    }
    const QRectF body =
        round ? box.adjusted(1.5, 1.5, -1.5, -1.5) : box.adjusted(3.5, 0.5, -3.5, -0.5);
    const qreal radius = round ? body.width() / 2 : 3;
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setBrush(fill);
    painter.setPen(
        QPen(column == kDisabled ? palette.faces[kDisabled].border : palette.trackTop, 1));
    painter.drawRoundedRect(body, radius, radius);
    if (column != kDisabled && column != kDown) {
        // The gloss spot near the top.
        QColor gloss(255, 255, 255, 110);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.drawEllipse(QRectF(body.center().x() - 1.5, body.top() + 1.5, 3, 2));
    }
}

// The slider's frames right of its track: normal, pressed (dragging),
// disabled.
void addThumbFrames(KeyedCanvas& canvas, const Palette& palette, bool round, int trackWidth) {
    QPainter painter(&canvas.art());
    preparePainter(painter);
    constexpr std::array<int, kSliderFrames> kStates = {kUp, kDown, kDisabled};
    for (int frame = 0; frame < kSliderFrames; ++frame) {
        const int column = kStates[size_t(frame)];
        const QRectF box(trackWidth + frame * kThumb, 0, kThumb, kThumb);
        const QRectF body = round ? box.adjusted(1, 1, -1, -1) : box.adjusted(3, 0, -3, 0);
        QPainterPath solid;
        solid.addRoundedRect(body, round ? body.width() / 2 : 3.5, round ? body.width() / 2 : 3.5);
        canvas.addSolid(solid);
        drawThumb(painter, box, palette, column, round);
    }
}

}  // namespace

QImage largeStrip(const Palette& palette) {
    const int rows = palette.largeCaptions ? kLargeCaptionRows : 1;
    KeyedCanvas canvas(kColumns * kLargeCell, rows * kLargeRow, palette.matte);
    const QFont font = captionFont(11);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRect cell(column * kLargeCell, row * kLargeRow, kLargeCell, kLargeRow);
            drawFace(canvas, cell, palette.faces[size_t(column)], 4);
            if (palette.largeCaptions) {
                const std::string_view caption = largeRowCaptions()[size_t(row)];
                drawCaption(canvas.art(), faceRect(cell),
                            QString::fromLatin1(caption.data(), qsizetype(caption.size())),
                            palette.faces[size_t(column)], font, palette.symbolShadow);
            }
        }
    }
    return canvas.finish(palette.transparent);
}

QImage mediumStrip(const Palette& palette) {
    KeyedCanvas canvas(kColumns * kMediumCell, kMediumCaptionRows * kMediumRow, palette.matte);
    for (int row = 0; row < kMediumCaptionRows; ++row) {
        const QPainterPath symbol = symbolPath(row);
        for (int column = 0; column < kColumns; ++column) {
            const FaceStyle& style = palette.faces[size_t(column)];
            const QRect cell(column * kMediumCell, row * kMediumRow, kMediumCell, kMediumRow);
            drawFace(canvas, cell, style, 4);
            const QPointF origin(cell.left() + (kMediumCell - kSymbolBox) / 2.0,
                                 cell.top() + (kMediumRow - kSymbolBox) / 2);
            drawShape(canvas.art(), symbol, origin + QPointF(style.textShift), style.text,
                      palette.symbolShadow);
        }
    }
    return canvas.finish(palette.transparent);
}

QImage smallStrip(const Palette& palette) {
    KeyedCanvas canvas(kColumns * kSmallCell, kSmallCell, palette.matte);
    for (int column = 0; column < kColumns; ++column) {
        drawFace(canvas, QRect(column * kSmallCell, 0, kSmallCell, kSmallCell),
                 palette.faces[size_t(column)], 4);
    }
    return canvas.finish(palette.transparent);
}

namespace {

// A key is the button face in its up state, large enough for a fingertip.
QImage keyFace(const Palette& palette, int width) {
    constexpr int kKeyHeight = 32;
    KeyedCanvas canvas(width, kKeyHeight, palette.matte);
    drawFace(canvas, QRect(0, 0, width, kKeyHeight), palette.faces[kUp], 5);
    return canvas.finish(palette.transparent);
}

}  // namespace

// Ten keys and their gaps fit the library list of the template's width.
QImage keySmall(const Palette& palette) {
    return keyFace(palette, 28);
}
QImage keyMedium(const Palette& palette) {
    return keyFace(palette, 42);
}
QImage keyLarge(const Palette& palette) {
    return keyFace(palette, 56);
}
QImage keySpaceBar(const Palette& palette) {
    return keyFace(palette, 168);
}

QImage tile(const Palette& palette) {
    QImage image(64, 64, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Grain plus a faint diagonal weave; both repeat within the tile,
            // so tiles meet without a seam.
            int delta = grain(x, y, palette.tileGrain);
            if ((x + y) % 4 == 0) {
                delta += 1;
            }
            if ((x - y + 64) % 8 == 0) {
                delta -= 1;
            }
            image.setPixelColor(x, y, shifted(palette.tileBase, delta));
        }
    }
    return image;
}

namespace {

QImage drawLogo(const Palette& palette, QSize size, const QRectF& disc, int fontSize, qreal textX) {
    QImage art(size, QImage::Format_ARGB32_Premultiplied);
    art.fill(palette.matte);
    QPainter painter(&art);
    preparePainter(painter);
    drawMark(painter, disc, palette, markHeights());
    const QFont font = captionFont(fontSize);
    const QFontMetricsF metrics(font);
    const qreal baseline = std::round(size.height() / 2.0 + metrics.capHeight() / 2);
    QPainterPath text;
    text.addText(textX, baseline, font, "Sonara");
    QLinearGradient fill(0, baseline - metrics.capHeight(), 0, baseline);
    fill.setColorAt(0, palette.logoTop);
    fill.setColorAt(1, palette.logoBottom);
    painter.translate(0, 1);
    painter.fillPath(text, palette.symbolShadow);
    painter.translate(0, -1);
    painter.fillPath(text, fill);
    painter.end();
    return art.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

QImage logo(const Palette& palette) {
    return drawLogo(palette, QSize(156, 42), QRectF(3, 4, 34, 34), 27, 44);
}

QImage logoSmall(const Palette& palette) {
    return drawLogo(palette, QSize(60, 14), QRectF(1, 1, 12, 12), 11, 15);
}

QImage playProgress(const Palette& palette) {
    constexpr int kWidth = 306;  // the track
    KeyedCanvas canvas(kWidth + kSliderFrames * kThumb, kThumb, palette.matte);
    QPainterPath groove;
    const QRectF grooveRect(0, 4, kWidth, 5);
    groove.addRoundedRect(grooveRect, 2.5, 2.5);
    canvas.addSolid(groove);
    {
        QPainter painter(&canvas.art());
        preparePainter(painter);
        QLinearGradient fill(grooveRect.topLeft(), grooveRect.bottomLeft());
        fill.setColorAt(0, palette.trackTop);
        fill.setColorAt(1, palette.trackBottom);
        painter.setBrush(fill);
        painter.setPen(QPen(palette.trackBorder, 1));
        painter.drawRoundedRect(grooveRect.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
    addThumbFrames(canvas, palette, true, kWidth);
    return canvas.finish(palette.sliderTransparent);
}

QImage volumeSlider(const Palette& palette) {
    constexpr int kWidth = 76;  // the track
    KeyedCanvas canvas(kWidth + kSliderFrames * kThumb, kThumb, palette.matte);
    // A wedge growing to the right, as loudness does.
    QPainterPath wedge;
    wedge.moveTo(1, 9);
    wedge.lineTo(kWidth - 1, 2);
    wedge.quadTo(kWidth, 2, kWidth, 3);
    wedge.lineTo(kWidth, 10.5);
    wedge.lineTo(1, 10.5);
    wedge.quadTo(0, 10.5, 0, 9.8);
    wedge.closeSubpath();
    canvas.addSolid(wedge);
    {
        QPainter painter(&canvas.art());
        preparePainter(painter);
        QLinearGradient fill(0, 0, kWidth, 0);
        fill.setColorAt(0, palette.trackBottom);
        fill.setColorAt(1, palette.accentDark);
        painter.setBrush(fill);
        painter.setPen(QPen(palette.trackBorder, 1));
        painter.drawPath(wedge);
    }
    addThumbFrames(canvas, palette, false, kWidth);
    return canvas.finish(palette.sliderTransparent);
}

QImage volumePicture(const Palette& palette) {
    QImage art(13, 13, QImage::Format_ARGB32_Premultiplied);
    art.fill(palette.matte);
    drawShape(art, speakerPath(), QPointF(0.5, 0), palette.icon, palette.symbolShadow);
    return art.convertToFormat(QImage::Format_RGB888);
}

std::vector<StripItem> miniToolBarItems() {
    constexpr std::array<int, 15> kActions = {11, 12, 13, 14, 15, 6, 7, 8, 9, 10, 2, 3, 4, 5, 1};
    std::vector<StripItem> items;
    for (int i = 0; i < int(kActions.size()); ++i) {
        const int group = i / 5;
        items.push_back({QRect(3 + i * 14 + group * 5, 1, 14, 14), kActions[size_t(i)]});
    }
    return items;
}

QImage miniToolBar(const Palette& palette) {
    constexpr std::array<StripIcon, 15> kIcons = {
        StripIcon::Previous, StripIcon::Play,       StripIcon::Pause,        StripIcon::Stop,
        StripIcon::Next,     StripIcon::ViewNormal, StripIcon::ViewPlaylist, StripIcon::ViewPlayer,
        StripIcon::ViewBar,  StripIcon::ViewParty,  StripIcon::Tray,         StripIcon::Minimise,
        StripIcon::Maximise, StripIcon::Restore,    StripIcon::Close};
    QImage art(226, 16, QImage::Format_ARGB32_Premultiplied);
    art.fill(palette.matte);
    drawPanel(art, palette);
    const std::vector<StripItem> items = miniToolBarItems();
    {
        QPainter painter(&art);
        painter.setPen(QPen(palette.faces[kUp].border, 1));
        for (int i : {5, 10}) {
            const int x = items[size_t(i)].rect.left() - 3;
            painter.drawLine(QPointF(x + 0.5, 3), QPointF(x + 0.5, 13));
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const QRect& item = items[i].rect;
        drawShape(art, stripIconPath(kIcons[i]), QPointF(item.left() + 2.5, item.top() + 2.5),
                  palette.icon, palette.symbolShadow, 0.75);
    }
    return art.convertToFormat(QImage::Format_RGB888);
}

QImage searchToolbar(const Palette& palette) {
    constexpr int kCell = 11;
    constexpr int kCells = 27;
    QImage art(kCell * kCells, 15, QImage::Format_ARGB32_Premultiplied);
    art.fill(palette.matte);
    drawPanel(art, palette);
    QPainter painter(&art);
    preparePainter(painter);
    const QFont font = captionFont(9);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QFont star = captionFont(13);
    const QFontMetricsF starMetrics(star);
    QColor divider = palette.faces[kUp].border;
    divider.setAlpha(90);
    for (int i = 0; i < kCells; ++i) {
        const QString letter = i == 0 ? QStringLiteral("*") : QString(QChar('A' + i - 1));
        // The asterisk sits high in the font: larger and lower, it reads as
        // one more key.
        painter.setFont(i == 0 ? star : font);
        const QFontMetricsF& m = i == 0 ? starMetrics : metrics;
        const qreal x = i * kCell + (kCell - m.horizontalAdvance(letter)) / 2;
        const qreal baseline = std::round(7.5 + metrics.capHeight() / 2) + (i == 0 ? 3 : 0);
        painter.setPen(palette.symbolShadow);
        painter.drawText(QPointF(x, baseline + 1), letter);
        painter.setPen(palette.icon);
        painter.drawText(QPointF(x, baseline), letter);
        if (i > 0) {
            painter.setPen(QPen(divider, 1));
            painter.drawLine(QPointF(i * kCell + 0.5, 3), QPointF(i * kCell + 0.5, 12));
        }
    }
    painter.end();
    return art.convertToFormat(QImage::Format_RGB888);
}

}  // namespace sonara::skingen
