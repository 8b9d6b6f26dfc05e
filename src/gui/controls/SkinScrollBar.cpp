#include "gui/controls/SkinScrollBar.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

// Answers the skinned layout for the bar it belongs to, and the base
// style's everywhere else.
class SkinScrollBarStyle : public QProxyStyle {
  public:
    explicit SkinScrollBarStyle(SkinScrollBar* bar) : bar_(bar) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ScrollBarExtent && widget == bar_ && bar_->skinned()) {
            return bar_->thickness();
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control == CC_ScrollBar && widget == bar_ && bar_->skinned()) {
            switch (sub) {
                case SC_ScrollBarSubLine:
                    return bar_->subLineRect();
                case SC_ScrollBarAddLine:
                    return bar_->addLineRect();
                case SC_ScrollBarGroove:
                    return bar_->grooveRect();
                case SC_ScrollBarSlider:
                    return bar_->sliderRect();
                case SC_ScrollBarSubPage:
                case SC_ScrollBarAddPage: {
                    const QRect groove = bar_->grooveRect();
                    const QRect slider = bar_->sliderRect();
                    const bool before = sub == SC_ScrollBarSubPage;
                    if (bar_->orientation() == Qt::Horizontal) {
                        return before ? QRect(QPoint(groove.left(), groove.top()),
                                              QPoint(slider.left() - 1, groove.bottom()))
                                      : QRect(QPoint(slider.right() + 1, groove.top()),
                                              groove.bottomRight());
                    }
                    return before
                               ? QRect(groove.topLeft(), QPoint(groove.right(), slider.top() - 1))
                               : QRect(QPoint(groove.left(), slider.bottom() + 1),
                                       groove.bottomRight());
                }
                default:
                    return {};
            }
        }
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& point, const QWidget* widget) const override {
        if (control == CC_ScrollBar && widget == bar_ && bar_->skinned()) {
            // The thumb first: it lies over the page areas' ends.
            for (SubControl sub : {SC_ScrollBarSlider, SC_ScrollBarSubLine, SC_ScrollBarAddLine,
                                   SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
                if (subControlRect(control, option, sub, widget).contains(point)) {
                    return sub;
                }
            }
            return SC_None;
        }
        return QProxyStyle::hitTestComplexControl(control, option, point, widget);
    }

  private:
    SkinScrollBar* bar_;
};

SkinScrollBar::SkinScrollBar(Qt::Orientation orientation, SkinContext context, QWidget* parent)
    : QScrollBar(orientation, parent), context_(context), style_(new SkinScrollBarStyle(this)) {
    style_->setParent(this);
    setStyle(style_);
}

SkinScrollBar::~SkinScrollBar() {
    // The widget must stop using the style before its child goes.
    setStyle(nullptr);
}

void SkinScrollBar::install(QAbstractScrollArea* area, SkinContext context) {
    if (area == nullptr) {
        return;
    }
    area->setHorizontalScrollBar(new SkinScrollBar(Qt::Horizontal, context));
    area->setVerticalScrollBar(new SkinScrollBar(Qt::Vertical, context));
}

bool SkinScrollBar::skinned() const {
    return context_.skin.scrollBarSkinPresent();
}

const QImage& SkinScrollBar::backgroundBitmap() const {
    return context_.skin.bitmap(orientation() == Qt::Horizontal ? skin::kHScrollBackground
                                                                : skin::kVScrollBackground);
}

const QImage& SkinScrollBar::buttonsBitmap() const {
    return context_.skin.bitmap(orientation() == Qt::Horizontal ? skin::kHScrollButtons
                                                                : skin::kVScrollButtons);
}

QRect SkinScrollBar::buttonCell(int cell) const {
    const QImage& buttons = buttonsBitmap();
    if (orientation() == Qt::Horizontal) {
        const int w = buttons.width() / 3;
        return QRect(cell * w, 0, w, buttons.height());
    }
    const int h = buttons.height() / 3;
    return QRect(0, cell * h, buttons.width(), h);
}

int SkinScrollBar::arrowLength() const {
    if (!skinned()) {
        return 0;
    }
    const QRect cell = buttonCell(0);
    return orientation() == Qt::Horizontal ? cell.width() : cell.height();
}

int SkinScrollBar::thickness() const {
    if (!skinned()) {
        return 0;
    }
    const QImage& background = backgroundBitmap();
    return std::max(1, orientation() == Qt::Horizontal ? background.height() : background.width());
}

QSize SkinScrollBar::sizeHint() const {
    if (!skinned()) {
        return QScrollBar::sizeHint();
    }
    const int length = 2 * arrowLength() + std::max(arrowLength(), 16);
    return orientation() == Qt::Horizontal ? QSize(length, thickness())
                                           : QSize(thickness(), length);
}

QRect SkinScrollBar::subLineRect() const {
    // Arrows share the bar when it is shorter than both of them.
    const int length = orientation() == Qt::Horizontal ? width() : height();
    const int arrow = std::min(arrowLength(), length / 2);
    return orientation() == Qt::Horizontal ? QRect(0, 0, arrow, height())
                                           : QRect(0, 0, width(), arrow);
}

QRect SkinScrollBar::addLineRect() const {
    const int length = orientation() == Qt::Horizontal ? width() : height();
    const int arrow = std::min(arrowLength(), length / 2);
    return orientation() == Qt::Horizontal ? QRect(width() - arrow, 0, arrow, height())
                                           : QRect(0, height() - arrow, width(), arrow);
}

QRect SkinScrollBar::grooveRect() const {
    const QRect first = subLineRect();
    const QRect second = addLineRect();
    if (orientation() == Qt::Horizontal) {
        return QRect(first.right() + 1, 0, std::max(0, second.left() - first.right() - 1),
                     height());
    }
    return QRect(0, first.bottom() + 1, width(), std::max(0, second.top() - first.bottom() - 1));
}

QRect SkinScrollBar::sliderRect() const {
    const QRect groove = grooveRect();
    const bool horizontal = orientation() == Qt::Horizontal;
    const int grooveLength = horizontal ? groove.width() : groove.height();
    const qint64 range = qint64(maximum()) - minimum();
    if (grooveLength <= 0 || range <= 0) {
        return {};
    }
    // Proportional to the page, never shorter than an arrow.
    const qint64 proportional = qint64(grooveLength) * pageStep() / (range + pageStep());
    const int length =
        int(std::clamp<qint64>(std::max<qint64>(proportional, arrowLength()), 1, grooveLength));
    const int offset = QStyle::sliderPositionFromValue(minimum(), maximum(), sliderPosition(),
                                                       grooveLength - length, invertedAppearance());
    return horizontal ? QRect(groove.left() + offset, 0, length, height())
                      : QRect(0, groove.top() + offset, width(), length);
}

void SkinScrollBar::paintEvent(QPaintEvent* event) {
    if (!skinned()) {
        QScrollBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    stretch(painter, backgroundBitmap(), rect());
    const QImage& buttons = buttonsBitmap();
    painter.drawImage(subLineRect(), buttons, buttonCell(0));
    painter.drawImage(addLineRect(), buttons, buttonCell(1));
    const QRect slider = sliderRect();
    if (!slider.isEmpty() && isEnabled()) {
        painter.drawImage(slider, buttons, buttonCell(2));
    }
}

bool SkinScrollBar::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        updateGeometry();
        update();
        return true;
    }
    return QScrollBar::event(event);
}

}  // namespace sonara::gui
