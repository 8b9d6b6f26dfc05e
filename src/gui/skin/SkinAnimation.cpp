#include "gui/skin/SkinAnimation.h"

#include <QPainter>

#include "gui/skin/SkinPainting.h"

namespace sonara::gui {

SkinAnimation::SkinAnimation(QWidget* parent) : QWidget(parent) {}

void SkinAnimation::setFrames(QList<QImage> frames) {
    frames_.clear();
    for (const QImage& frame : frames) {
        frames_.push_back(withTransparentColour(frame, Qt::white));
    }
    current_ = 0;
    if (!frames_.isEmpty()) {
        resize(frames_.front().size());
    }
    updateGeometry();
    update();
}

void SkinAnimation::step() {
    if (frames_.isEmpty()) {
        return;
    }
    current_ = (current_ + 1) % int(frames_.size());
    update();
}

QSize SkinAnimation::sizeHint() const {
    return frames_.isEmpty() ? QSize() : frames_.front().size();
}

void SkinAnimation::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!frames_.isEmpty()) {
        painter.drawImage(QPoint(), frames_[current_]);
    }
}

}  // namespace sonara::gui
