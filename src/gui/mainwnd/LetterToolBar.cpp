#include "gui/mainwnd/LetterToolBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// The cell of the default strip, for a skin without the bitmap.
constexpr QSize kPlainCell(11, 15);

}  // namespace

LetterToolBar::LetterToolBar(SkinContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(sizeForRows(1));
}

char LetterToolBar::letterOfCell(int cell) {
    return cell <= 0 ? '*' : static_cast<char>('A' + std::min(cell, kCellCount - 1) - 1);
}

QSize LetterToolBar::cellSize() const {
    const QImage& strip = context_.skin.bitmap(skin::kSearchToolbar);
    if (strip.width() < kCellCount || strip.height() <= 0) {
        return kPlainCell;
    }
    return {strip.width() / kCellCount, strip.height()};
}

int LetterToolBar::cellsPerRow() const {
    return std::clamp(width() / std::max(1, cellSize().width()), 1, kCellCount);
}

QSize LetterToolBar::sizeForRows(int rows) const {
    rows = std::clamp(rows, 1, kCellCount);
    const int perRow = (kCellCount + rows - 1) / rows;
    const QSize cell = cellSize();
    return {perRow * cell.width(), rows * cell.height()};
}

QRect LetterToolBar::cellRect(int cell) const {
    if (cell < 0 || cell >= kCellCount) {
        return {};
    }
    const QSize size = cellSize();
    const int perRow = cellsPerRow();
    return {QPoint(cell % perRow * size.width(), cell / perRow * size.height()), size};
}

int LetterToolBar::cellAt(QPoint point) const {
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cellRect(cell).contains(point)) {
            return cell;
        }
    }
    return -1;
}

const QImage& LetterToolBar::keyedStrip() {
    const QImage& strip = context_.skin.bitmap(skin::kSearchToolbar);
    const QColor transparent = toQColor(context_.skin.fontInfo().transparent);
    if (keyedFrom_ != strip.cacheKey() || keyedColour_ != transparent.rgb()) {
        keyed_ = withTransparentColour(strip, transparent);
        keyedFrom_ = strip.cacheKey();
        keyedColour_ = transparent.rgb();
    }
    return keyed_;
}

void LetterToolBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QSize size = cellSize();
    const bool plain = context_.skin.bitmap(skin::kSearchToolbar).width() < kCellCount;
    const QImage* strip = plain ? nullptr : &keyedStrip();
    const QColor text = toQColor(context_.skin.fontInfo().staticEnabled);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const QRect target = cellRect(cell);
        if (plain) {
            painter.setPen(text);
            painter.drawText(target, Qt::AlignCenter, QString(QChar(letterOfCell(cell))));
        } else {
            // A pressed cell sinks by one pixel, as a pressed key does.
            const QPoint shift = cell == pressed_ && cell == hot_ ? QPoint(1, 1) : QPoint();
            painter.drawImage(target.topLeft() + shift, *strip,
                              QRect(QPoint(cell * size.width(), 0), size));
        }
        if (cell == hot_) {
            QColor frame = text;
            frame.setAlpha(cell == pressed_ ? 200 : 140);
            painter.setPen(frame);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(target.adjusted(0, 0, -1, -1));
        }
    }
}

void LetterToolBar::setHot(int cell) {
    if (hot_ != cell) {
        hot_ = cell;
        update();
    }
}

void LetterToolBar::mouseMoveEvent(QMouseEvent* event) {
    setHot(cellAt(event->position().toPoint()));
}

void LetterToolBar::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        pressed_ = cell;
        setHot(cell);
        update();
    } else if (event->button() == Qt::RightButton && cell >= 0) {
        emit selectorChosen(letterOfCell(cell));
    }
}

void LetterToolBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int cell = cellAt(event->position().toPoint());
    const int pressed = pressed_;
    pressed_ = -1;
    update();
    // Only a release over the cell that was pressed counts, as for a button.
    if (cell >= 0 && cell == pressed) {
        emit letterChosen(letterOfCell(cell));
    }
}

void LetterToolBar::leaveEvent(QEvent* event) {
    setHot(-1);
    QWidget::leaveEvent(event);
}

bool LetterToolBar::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        update();
    }
    return QWidget::event(event);
}

}  // namespace sonara::gui
