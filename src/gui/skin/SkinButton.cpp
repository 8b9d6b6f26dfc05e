#include "gui/skin/SkinButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/HoverTip.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr int kTipGap = 5;

bool isReturn(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Return presses the button as Space does.
QKeyEvent asSpace(const QKeyEvent* event) {
    return QKeyEvent(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                     event->isAutoRepeat());
}

}  // namespace

SkinButton::SkinButton(SkinContext& context, QWidget* parent)
    : QPushButton(parent), context_(context), tip_(new HoverTip(this)) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

SkinButton::~SkinButton() {
    tip_->hide();
}

void SkinButton::setSkin(int stripIndex, std::optional<TextId> tipStringId, int captionRow) {
    strip_ = stripIndex;
    tipId_ = tipStringId;
    row_ = captionRow;
    const QSize cell = context_.skin.cellSize(strip_);
    if (!cell.isEmpty()) {
        resize(cell);
    }
    updateGeometry();
    update();
}

QString SkinButton::tipText() const {
    return tipId_ ? QString::fromStdString(stringText(*tipId_)) : QString();
}

int SkinButton::stateColumn() const {
    int column = skin::kUp;
    if (!isEnabled()) {
        return skin::kDisabled;
    }
    if (isDown()) {
        return skin::kDown;
    }
    if (hasFocus() || showsFocus_) {
        column = skin::kFocus;
    }
    return mouseOver_ ? int(skin::kMouseOver) : column;
}

void SkinButton::setMouseOver(bool over) {
    if (mouseOver_ != over) {
        mouseOver_ = over;
        update();
    }
}

void SkinButton::setShowsFocus(bool on) {
    showsFocus_ = on;
    update();
}

QSize SkinButton::sizeHint() const {
    const QSize cell = context_.skin.cellSize(strip_);
    return cell.isEmpty() ? QSize(75, 23) : cell;
}

bool SkinButton::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        const QSize cell = context_.skin.cellSize(strip_);
        if (!cell.isEmpty()) {
            resize(cell);  // resize keeps the top-left corner
        }
        updateGeometry();
        skinChanged();
        update();
        emit resizedForSkin(controlId_);
        return true;
    }
    return QPushButton::event(event);
}

const QImage& SkinButton::keyedStrip() {
    const QImage& strip = context_.skin.bitmap(strip_);
    const QRgb colour = toQColor(context_.skin.fontInfo().transparent).rgb();
    if (strip.cacheKey() != keyedFrom_ || colour != keyedColour_ || keyed_.isNull()) {
        keyed_ = withTransparentColour(strip, QColor::fromRgb(colour));
        keyedFrom_ = strip.cacheKey();
        keyedColour_ = colour;
    }
    return keyed_;
}

QImage SkinButton::stateCell() {
    if (strip_ < 0 || !context_.skin.hasBitmap(strip_)) {
        return {};
    }
    return keyedStrip().copy(context_.skin.cellRect(strip_, stateColumn(), row_));
}

void SkinButton::paintEvent(QPaintEvent* /*event*/) {
    if (strip_ < 0 || !context_.skin.hasBitmap(strip_)) {
        return;
    }
    const QRect cell = context_.skin.cellRect(strip_, stateColumn(), row_);
    QPainter painter(this);
    // Never more than one cell, so a button larger than its cell does not
    // show the neighbouring state.
    plainCopy(painter, keyedStrip(), QRect(QPoint(), cell.size()).intersected(rect()),
              cell.topLeft());
}

void SkinButton::armTip() {
    if (context_.prefs.values().showTips != 1 || tip_->isShown() || tip_->isArmed()) {
        return;
    }
    tip_->arm(tipText(), mapToGlobal(QPoint(width() + kTipGap, 0)));
}

void SkinButton::enterEvent(QEnterEvent* event) {
    setMouseOver(true);
    armTip();
    QPushButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent* event) {
    setMouseOver(false);
    tip_->hide();
    QPushButton::leaveEvent(event);
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
    const bool over = rect().contains(event->position().toPoint());
    setMouseOver(over);
    if (over) {
        armTip();
    } else {
        tip_->hide();
    }
    QPushButton::mouseMoveEvent(event);
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
    tip_->hide();
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && reportPresses_) {
        emit pressedWithMouse(controlId_);
    }
}

void SkinButton::keyPressEvent(QKeyEvent* event) {
    if (isReturn(event)) {
        QKeyEvent space = asSpace(event);
        QPushButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QPushButton::keyPressEvent(event);
}

void SkinButton::keyReleaseEvent(QKeyEvent* event) {
    if (isReturn(event)) {
        QKeyEvent space = asSpace(event);
        QPushButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void SkinButton::focusOutEvent(QFocusEvent* event) {
    tip_->hide();
    QPushButton::focusOutEvent(event);
}

void SkinButton::hideEvent(QHideEvent* event) {
    tip_->hide();
    QPushButton::hideEvent(event);
}

}  // namespace sonara::gui
