#include "gui/controls/SkinToolStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/HoverTip.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// Where the tip goes: below and right of the item's bottom-left corner.
constexpr QPoint kTipOffset{10, 10};

}  // namespace

SkinToolStrip::SkinToolStrip(SkinContext context, QWidget* parent)
    : QWidget(parent), context_(context), tip_(new HoverTip(this)) {
    setMouseTracking(true);
}

SkinToolStrip::~SkinToolStrip() = default;

void SkinToolStrip::setItems(std::vector<Item> items) {
    items_ = std::move(items);
    hot_ = -1;
    tip_->hide();
    update();
}

int SkinToolStrip::itemAt(QPoint point) const {
    for (size_t index = 0; index < items_.size(); ++index) {
        if (items_[index].rect.contains(point)) {
            return int(index);
        }
    }
    return -1;
}

void SkinToolStrip::setHotItem(int item, bool pressed) {
    pressed_ = pressed;
    setHot(item);
    update();
}

QSize SkinToolStrip::sizeHint() const {
    const QImage& bitmap = context_.skin.bitmap(skin::kMiniToolBar);
    return bitmap.isNull() ? QSize(98, 16) : bitmap.size();
}

bool SkinToolStrip::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        updateGeometry();
        update();
        return true;
    }
    return QWidget::event(event);
}

void SkinToolStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& bitmap = context_.skin.bitmap(skin::kMiniToolBar);
    if (!bitmap.isNull()) {
        plainCopy(painter, bitmap, QRect(QPoint(0, 0), bitmap.size()));
    }
    if (hot_ < 0 || hot_ >= int(items_.size())) {
        return;
    }
    // The picture has one face per button, so hot and pressed are shown as
    // a light or dark wash over the button.
    const QRect area = items_[size_t(hot_)].rect;
    const bool down = pressed_ && !dragging_;
    painter.fillRect(area, down ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 60));
}

void SkinToolStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    tip_->hide();
    pressed_ = true;
    dragging_ = false;
    setHot(itemAt(event->position().toPoint()));
    lastGlobal_ = event->globalPosition().toPoint();
    update();
}

void SkinToolStrip::mouseMoveEvent(QMouseEvent* event) {
    const int previous = hot_;
    setHot(itemAt(event->position().toPoint()));
    if (hot_ != previous) {
        tip_->hide();
        update();
    }
    if (!pressed_) {
        armTip();
    }
    const QPoint global = event->globalPosition().toPoint();
    if (movesWindow_ && pressed_ && (event->buttons() & Qt::LeftButton) && global != lastGlobal_) {
        // Globals, not strip coordinates: the strip moves with its window.
        QWidget* top = window();
        top->move(top->pos() + (global - lastGlobal_));
        dragging_ = true;
        update();
    }
    lastGlobal_ = global;
}

void SkinToolStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int item = itemAt(event->position().toPoint());
    const bool dragged = dragging_;
    pressed_ = false;
    dragging_ = false;
    setHot(-1);
    update();
    if (!dragged && item >= 0) {
        emit actionTriggered(items_[size_t(item)].action);
    }
}

void SkinToolStrip::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!pressed_) {
        tip_->hide();
        setHot(-1);
        update();
    }
}

void SkinToolStrip::setHot(int item) {
    hot_ = item;
    if (hot_ >= 0) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void SkinToolStrip::armTip() {
    if (hot_ < 0 || context_.prefs.values().showTips != 1) {
        return;
    }
    const Item& item = items_[size_t(hot_)];
    const QString text = item.tipId ? QString::fromStdString(stringText(*item.tipId)) : QString();
    tip_->arm(text, mapToGlobal(item.rect.bottomLeft() + kTipOffset));
}

}  // namespace sonara::gui
