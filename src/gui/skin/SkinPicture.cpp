#include "gui/skin/SkinPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

SkinPicture::SkinPicture(SkinContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
}

void SkinPicture::setSkinIndex(int index) {
    index_ = index;
    applySize();
    update();
}

void SkinPicture::setImage(QImage image) {
    own_ = std::move(image);
    index_ = skin::kNoBitmap;
    applySize();
    update();
}

void SkinPicture::setMode(int mode) {
    mode_ = mode;
    applySize();
    update();
}

void SkinPicture::setTransparentColour(std::optional<QColor> colour) {
    transparent_ = colour;
    update();
}

const QImage& SkinPicture::picture() const {
    return index_ >= 0 && index_ < skin::kFileCount ? context_.skin.bitmapPresent(index_) : own_;
}

QSize SkinPicture::sizeHint() const {
    if ((mode_ == kCopy || mode_ == kTransparent) && !picture().isNull()) {
        return picture().size();
    }
    return QWidget::sizeHint();
}

void SkinPicture::applySize() {
    if (mode_ == kCoverParent) {
        if (parentWidget() != nullptr) {
            setGeometry(parentWidget()->rect());
            lower();
        }
    } else if ((mode_ == kCopy || mode_ == kTransparent) && !picture().isNull()) {
        resize(picture().size());
    }
}

bool SkinPicture::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        applySize();
        update();
        emit resizedForSkin(controlId_);
        return true;
    }
    if (event->type() == QEvent::ParentAboutToChange && parentWidget() != nullptr) {
        parentWidget()->removeEventFilter(this);
    } else if (event->type() == QEvent::ParentChange && parentWidget() != nullptr) {
        parentWidget()->installEventFilter(this);
        applySize();
    }
    return QWidget::event(event);
}

bool SkinPicture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && mode_ == kCoverParent) {
        applySize();
    }
    return QWidget::eventFilter(watched, event);
}

void SkinPicture::paintEvent(QPaintEvent* /*event*/) {
    const QImage& image = picture();
    if (image.isNull()) {
        return;
    }
    QPainter painter(this);
    switch (mode_) {
        case kCopy:
            plainCopy(painter, image, rect());
            break;
        case kTile:
        case kCoverParent:
            tile(painter, image, rect());
            break;
        case kStretch:
            stretch(painter, image, rect());
            break;
        case kFit: {
            painter.fillRect(rect(), Qt::black);
            const QSize fitted = image.size().scaled(size(), Qt::KeepAspectRatio);
            QRect target(QPoint(), fitted);
            target.moveCenter(rect().center());
            stretch(painter, image, target);
            break;
        }
        case kTransparent:
            transparentCopy(painter, image, rect(),
                            transparent_.value_or(toQColor(context_.skin.fontInfo().transparent)));
            break;
        default:
            break;  // an unknown mode draws nothing
    }
}

void SkinPicture::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit released(controlId_);
    }
}

}  // namespace sonara::gui
