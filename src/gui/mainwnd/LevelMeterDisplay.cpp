#include "gui/mainwnd/LevelMeterDisplay.h"

#include <QPainter>
#include <QTransform>

namespace sonara::gui {

namespace {

// The skins give the gap between a meter's spots, not their length.
constexpr int kSpotLength = 2;

}  // namespace

LevelMeterDisplay::LevelMeterDisplay(QWidget* parent) : AnalyserDisplay(parent) {
    next_.reserve(2);
}

void LevelMeterDisplay::settingsChanged() {
    const int length = horizontal() ? width() : height();
    const int thickness = horizontal() ? height() : width();
    columns_.build(analyser_.colours(), analyser_.point1(), analyser_.point2(),
                   SpotLadder(length, kSpotLength, analyser_.spotSpace()), thickness);
    resetFrame();
    refresh();
    update();
}

bool LevelMeterDisplay::refresh() {
    const SpotLadder& ladder = columns_.ladder();
    next_.clear();
    next_.push_back(ladder.litSpots(analyser_.level()));
    next_.push_back(analyser_.numPeaks() > 0 ? ladder.peakSpot(analyser_.peak()) : -1);
    return takeFrame(next_);
}

void LevelMeterDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int thickness = width();
    if (horizontal()) {
        // Drawn as a vertical meter turned a quarter clockwise: its foot on
        // the left.
        painter.setTransform(QTransform(0, 1, -1, 0, width(), 0));
        thickness = height();
    }
    const std::vector<int>& shown = frame();
    if (shown.size() < 2) {
        return;
    }
    const PixelSpan across{0, thickness};
    columns_.drawBar(painter, across, shown[0]);
    const int peak = shown[1];
    if (peak >= 0) {
        columns_.drawLitSpots(painter, across, peak - analyser_.numPeaks() + 1, peak);
    }
}

}  // namespace sonara::gui
