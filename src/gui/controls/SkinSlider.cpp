#include "gui/controls/SkinSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "audio/engine/PlayerTexts.h"
#include "core/settings/PreferenceStore.h"
#include "gui/skin/HoverTip.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {
constexpr int kFramePressed = 1;
constexpr int kFrameDisabled = 2;
}  // namespace

SkinSlider::SkinSlider(SkinContext context, QWidget* parent)
    : QWidget(parent), context_(context), tip_(new HoverTip(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

SkinSlider::~SkinSlider() = default;

void SkinSlider::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    if (rangeUsable()) {
        value_ = std::clamp(value_, minimum_, maximum_);
    }
    update();
}

void SkinSlider::setValue(int value) {
    if (dragging_) {
        return;
    }
    const int limited = rangeUsable() ? std::clamp(value, minimum_, maximum_) : minimum_;
    if (limited != value_) {
        value_ = limited;
        update();
    }
}

void SkinSlider::setOrientation(Qt::Orientation orientation) {
    orientation_ = orientation;
    updateGeometry();
    update();
}

void SkinSlider::setSkinBitmap(int index, int frames, int thumbExtent) {
    skinIndex_ = index;
    own_ = QImage();
    frames_ = std::max(1, frames);
    thumbExtent_ = thumbExtent;
    cacheValid_ = false;
    updateGeometry();
    update();
}

void SkinSlider::setBitmap(QImage bitmap, int frames, int thumbExtent) {
    skinIndex_ = -1;
    own_ = std::move(bitmap);
    frames_ = std::max(1, frames);
    thumbExtent_ = thumbExtent;
    cacheValid_ = false;
    updateGeometry();
    update();
}

const QImage& SkinSlider::source() const {
    return skinIndex_ >= 0 ? context_.skin.bitmap(skinIndex_) : own_;
}

int SkinSlider::thumbExtent() const {
    const QImage& image = source();
    if (image.isNull()) {
        return 0;
    }
    const int across = orientation_ == Qt::Horizontal ? image.height() : image.width();
    const int along = orientation_ == Qt::Horizontal ? image.width() : image.height();
    const int extent = thumbExtent_ > 0 ? thumbExtent_ : across;
    // Frames that would not fit leave no room for a track: share it out.
    return std::min(extent, along / (frames_ + 1));
}

QRect SkinSlider::trackSource() const {
    const QImage& image = source();
    const int framesLength = frames_ * thumbExtent();
    if (orientation_ == Qt::Horizontal) {
        return QRect(0, 0, image.width() - framesLength, image.height());
    }
    return QRect(0, 0, image.width(), image.height() - framesLength);
}

QRect SkinSlider::frameSource(int frame) const {
    const QRect track = trackSource();
    const int extent = thumbExtent();
    const int shown = frame >= 0 && frame < frames_ ? frame : 0;
    if (orientation_ == Qt::Horizontal) {
        return QRect(track.width() + shown * extent, 0, extent, track.height());
    }
    return QRect(0, track.height() + shown * extent, track.width(), extent);
}

int SkinSlider::trackLength() const {
    const int length = orientation_ == Qt::Horizontal ? width() : height();
    return std::max(0, length - thumbExtent());
}

QRect SkinSlider::thumbRect() const {
    const int extent = thumbExtent();
    int position = 0;
    if (rangeUsable()) {
        const qint64 span = qint64(maximum_) - minimum_ + 1;
        position = int((qint64(value_) - minimum_) * trackLength() / span);
    }
    if (orientation_ == Qt::Horizontal) {
        return QRect(position, 0, extent, height());
    }
    return QRect(0, position, width(), extent);
}

QSize SkinSlider::sizeHint() const {
    const QRect track = trackSource();
    return track.isEmpty() ? QSize(100, 16) : track.size();
}

QString SkinSlider::tipText() const {
    if (tipMode_ == kTipPercent) {
        const int range = maximum_ - minimum_;
        const int percent =
            range > 0 ? int(std::lround(100.0 * (double(value_) - minimum_) / range)) : 0;
        return QString::asprintf("%d%%", percent);
    }
    if (tipMode_ == kTipTime) {
        return QString::fromStdString(audio::formatPlayTime(value_));
    }
    return {};
}

int SkinSlider::pointAlong(QPoint point) const {
    return orientation_ == Qt::Horizontal ? point.x() : point.y();
}

void SkinSlider::moveTo(QPoint point) {
    const int length = trackLength();
    if (!rangeUsable() || length <= 0) {
        return;
    }
    const double span = double(maximum_) - minimum_ + 1;
    const double steps = double(pointAlong(point) - grabOffset_) / length * span;
    const long long value = std::llround(steps) + minimum_;
    value_ = int(std::clamp<long long>(value, minimum_, maximum_));
    update();
}

void SkinSlider::showTip() {
    if (context_.prefs.values().showTips != 1 || tipText().isEmpty()) {
        return;
    }
    const QRect thumb = thumbRect();
    const QPoint beside = orientation_ == Qt::Horizontal ? thumb.topRight() + QPoint(5, 0)
                                                         : thumb.bottomLeft() + QPoint(0, 5);
    tip_->showNow(tipText(), mapToGlobal(beside));
}

void SkinSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rangeUsable() || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const QRect thumb = thumbRect();
    grabOffset_ = thumb.contains(point) ? pointAlong(point) - pointAlong(thumb.topLeft()) : 0;
    dragging_ = true;  // Qt grabs the mouse while the button is held
    moveTo(point);
    showTip();
    event->accept();
}

void SkinSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    moveTo(event->position().toPoint());
    if (notifyWhileDragging_) {
        emit valueNotified(id_);
    }
    showTip();
    event->accept();
}

void SkinSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    moveTo(event->position().toPoint());
    grabOffset_ = 0;
    dragging_ = false;
    tip_->hide();
    update();
    emit valueNotified(id_);
    event->accept();
}

const QImage& SkinSlider::drawable() const {
    if (!context_.skin.fontInfo().sliderTransparency) {
        return source();
    }
    if (!cacheValid_) {
        transparentCache_ =
            withTransparentColour(source(), toQColor(context_.skin.fontInfo().sliderTransColour));
        cacheValid_ = true;
    }
    return transparentCache_;
}

void SkinSlider::paintEvent(QPaintEvent*) {
    const QImage& image = drawable();
    if (image.isNull()) {
        return;
    }
    QPainter painter(this);
    const QRect track = trackSource();
    painter.drawImage(QRect(QPoint(0, 0), track.size()), image, track);
    const int frame = !isEnabled() ? kFrameDisabled : dragging_ || showPressed_ ? kFramePressed : 0;
    const QRect thumb = thumbRect();
    painter.drawImage(thumb.topLeft(), image, frameSource(frame));
}

bool SkinSlider::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        cacheValid_ = false;
        updateGeometry();
        update();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace sonara::gui
