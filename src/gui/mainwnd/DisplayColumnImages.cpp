#include "gui/mainwnd/DisplayColumnImages.h"

#include <QPainter>
#include <algorithm>

#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

QColor displayColour(RgbNumber number) {
    return toQColor(fromRgbNumber(number));
}

void DisplayColumnImages::build(const VisualisationColours& colours, int point1, int point2,
                                const SpotLadder& ladder, int thickness) {
    ladder_ = ladder;
    const int length = ladder.length();
    const int width = std::max(1, thickness);
    lit_ = QImage(width, std::max(1, length), QImage::Format_RGB32);
    unlit_ = QImage(width, std::max(1, length), QImage::Format_RGB32);
    lit_.fill(displayColour(colours.background));
    unlit_.fill(displayColour(colours.background));
    QPainter litPainter(&lit_);
    QPainter unlitPainter(&unlit_);
    for (int index = 0; index < ladder.spotCount(); ++index) {
        const PixelSpan spot = ladder.spot(index);
        // The zone of a spot is the zone of its middle.
        const double fraction = length > 0 ? (spot.start + spot.length / 2.0) / length : 0;
        const QRect rows(0, length - spot.start - spot.length, width, spot.length);
        litPainter.fillRect(rows, displayColour(colours.colourAt(fraction, point1, point2, true)));
        unlitPainter.fillRect(rows,
                              displayColour(colours.colourAt(fraction, point1, point2, false)));
    }
}

void DisplayColumnImages::drawBar(QPainter& painter, PixelSpan across, int lit) const {
    const int reach = ladder_.reach(lit);
    copyRows(painter, lit_, across, 0, reach);
    copyRows(painter, unlit_, across, reach, ladder_.length());
}

void DisplayColumnImages::drawLitSpots(QPainter& painter, PixelSpan across, int first,
                                       int last) const {
    first = std::max(0, first);
    last = std::min(last, ladder_.spotCount() - 1);
    if (first > last) {
        return;
    }
    const PixelSpan bottom = ladder_.spot(first);
    const PixelSpan top = ladder_.spot(last);
    copyRows(painter, lit_, across, bottom.start, top.start + top.length);
}

QColor DisplayColumnImages::litColour(int spot) const {
    if (lit_.isNull() || ladder_.spotCount() == 0) {
        return Qt::black;
    }
    const PixelSpan s = ladder_.spot(std::clamp(spot, 0, ladder_.spotCount() - 1));
    return lit_.pixelColor(0, std::clamp(ladder_.length() - s.start - 1, 0, lit_.height() - 1));
}

void DisplayColumnImages::copyRows(QPainter& painter, const QImage& image, PixelSpan across,
                                   int fromFoot, int toFoot) const {
    const int length = ladder_.length();
    if (toFoot <= fromFoot || across.length <= 0 || image.isNull()) {
        return;
    }
    const int width = std::min(across.length, image.width());
    const QRect rows(0, length - toFoot, width, toFoot - fromFoot);
    painter.drawImage(QPoint(across.start, rows.top()), image, rows);
}

}  // namespace sonara::gui
