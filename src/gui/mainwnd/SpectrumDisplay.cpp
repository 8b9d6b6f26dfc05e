#include "gui/mainwnd/SpectrumDisplay.h"

#include <QPainter>
#include <algorithm>

namespace sonara::gui {

namespace {

constexpr int kMinBarWidth = 2;

}  // namespace

SpectrumDisplay::SpectrumDisplay(QWidget* parent) : AnalyserDisplay(parent) {}

void SpectrumDisplay::settingsChanged() {
    const int channels = analyser_.channelCount();
    const int space = analyser_.space();
    const int channelWidth = std::max(1, (width() - space * (channels - 1)) / channels);
    analyser_.setBandCount(
        barsThatFit(channelWidth, kMinBarWidth, space, analyser_.fftLength() / 2));
    bandsPerChannel_ = analyser_.bandCount();

    bars_.clear();
    int thickness = 1;
    for (int channel = 0; channel < channels; ++channel) {
        const int offset = channel * (channelWidth + space);
        for (PixelSpan bar : barColumns(channelWidth, bandsPerChannel_, space)) {
            bar.start += offset;
            thickness = std::max(thickness, bar.length);
            bars_.push_back(bar);
        }
    }
    // Solid bars are spots of one pixel without gaps.
    const bool solid = analyser_.kind() == audio::SpectrumKind::Bars;
    const SpotLadder ladder(height(), solid ? 1 : analyser_.spotHeight(),
                            solid ? 0 : analyser_.spotSpace());
    columns_.build(analyser_.colours(), analyser_.point1(), analyser_.point2(), ladder, thickness);
    next_.reserve(bars_.size() * 2);
    resetFrame();
    refresh();
    update();
}

bool SpectrumDisplay::refresh() {
    const SpotLadder& ladder = columns_.ladder();
    const bool peaks = analyser_.displayPeak() || analyser_.kind() == audio::SpectrumKind::Peaks;
    next_.clear();
    for (int channel = 0; channel < analyser_.channelCount(); ++channel) {
        const auto bands = analyser_.bands(channel);
        const auto marks = analyser_.peaks(channel);
        for (int band = 0; band < bandsPerChannel_; ++band) {
            const bool known = size_t(band) < bands.size();
            next_.push_back(known ? ladder.litSpots(bands[size_t(band)]) : 0);
            next_.push_back(
                peaks && size_t(band) < marks.size() ? ladder.peakSpot(marks[size_t(band)]) : -1);
        }
    }
    return takeFrame(next_);
}

void SpectrumDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), displayColour(analyser_.colours().background));
    const std::vector<int>& shown = frame();
    const size_t count = std::min(bars_.size(), shown.size() / 2);
    const audio::SpectrumKind kind = analyser_.kind();
    const bool fullBars = kind == audio::SpectrumKind::Bars || kind == audio::SpectrumKind::Spots;
    const SpotLadder& ladder = columns_.ladder();
    QPoint lastTop;
    for (size_t index = 0; index < count; ++index) {
        const PixelSpan bar = bars_[index];
        const int lit = shown[index * 2];
        const int peak = shown[index * 2 + 1];
        columns_.drawBar(painter, bar, fullBars ? lit : 0);
        if (kind == audio::SpectrumKind::Dots && lit > 0) {
            columns_.drawLitSpots(painter, bar, lit - 1, lit - 1);
        }
        if (kind == audio::SpectrumKind::Lines) {
            // A line through the bar tops, each stretch in the colour of
            // the height it starts from; a new channel starts a new line.
            const QPoint top(bar.start + bar.length / 2, height() - ladder.reach(lit));
            if (index % size_t(std::max(1, bandsPerChannel_)) != 0) {
                painter.setPen(columns_.litColour(std::max(0, lit - 1)));
                painter.drawLine(lastTop, top);
            }
            lastTop = top;
        }
        if (peak >= 0) {
            columns_.drawLitSpots(painter, bar, peak, peak);
        }
    }
}

}  // namespace sonara::gui
