#include "gui/controls/GradientProgress.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

GradientProgress::GradientProgress(QWidget* parent)
    : QWidget(parent), background_(QApplication::palette().color(QPalette::Button)) {}

void GradientProgress::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position_, minimum_, std::max(minimum_, maximum_));
    update();
}

void GradientProgress::setPosition(int position) {
    position = std::clamp(position, minimum_, std::max(minimum_, maximum_));
    if (position != position_) {
        position_ = position;
        update();
    }
}

void GradientProgress::stepIt() {
    const long next = long(position_) + step_;
    setPosition(next > maximum_ ? minimum_ : int(next));
}

void GradientProgress::setStartColour(QColor colour) {
    start_ = colour;
    update();
}

void GradientProgress::setEndColour(QColor colour) {
    end_ = colour;
    update();
}

void GradientProgress::setBackgroundColour(QColor colour) {
    background_ = colour;
    update();
}

void GradientProgress::setTextColour(QColor colour) {
    text_ = colour;
    update();
}

void GradientProgress::setSkinColours(const skin::FontInfo& info) {
    start_ = toQColor(info.progressStart);
    end_ = toQColor(info.progressEnd);
    update();
}

void GradientProgress::setShowPercentage(bool show) {
    showPercentage_ = show;
    update();
}

// Measured from the minimum, so a range that does not start at 0 still fills
// from empty to full.
double GradientProgress::fraction() const {
    if (maximum_ <= minimum_) {
        return 0.0;
    }
    return double(position_ - minimum_) / double(maximum_ - minimum_);
}

QString GradientProgress::percentageText() const {
    return QString::asprintf("%.0f%%", fraction() * 100.0);
}

void GradientProgress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    if (position_ <= minimum_ || position_ >= maximum_) {
        painter.fillRect(area, Qt::black);
        return;
    }
    painter.fillRect(area, background_);

    const int redSpan = end_.red() - start_.red();
    const int greenSpan = end_.green() - start_.green();
    const int blueSpan = end_.blue() - start_.blue();
    // One band per step of the channel that changes most, so the ramp shows
    // no visible banding; equal colours give one solid band.
    const int bands = std::max({1, std::abs(redSpan), std::abs(greenSpan), std::abs(blueSpan)});
    const double bandWidth = double(area.width()) / bands;
    const int barEnd = area.left() + int(std::lround(area.width() * fraction()));
    for (int band = 0; band < bands; ++band) {
        const int left = area.left() + int(std::lround(band * bandWidth));
        if (left >= barEnd) {
            break;
        }
        const int right = std::min(barEnd, area.left() + int(std::lround((band + 1) * bandWidth)));
        if (right <= left) {
            continue;
        }
        const QColor colour(start_.red() + redSpan * band / bands,
                            start_.green() + greenSpan * band / bands,
                            start_.blue() + blueSpan * band / bands);
        painter.fillRect(QRect(left, area.top(), right - left, area.height()), colour);
    }

    if (showPercentage_) {
        painter.setPen(text_);
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, percentageText());
    }
}

}  // namespace sonara::gui
