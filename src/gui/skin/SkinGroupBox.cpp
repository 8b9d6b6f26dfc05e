#include "gui/skin/SkinGroupBox.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr int kCaptionLeft = 10;
constexpr int kCaptionGap = 6;
constexpr int kLeftEdgeEnd = 4;
constexpr int kLine = 2;

}  // namespace

SkinGroupBox::SkinGroupBox(SkinContext& context, const QString& title, QWidget* parent)
    : QGroupBox(title, parent), context_(context) {
    applyMargins();
}

void SkinGroupBox::applyMargins() {
    const QFont font = skinFont(context_.skin.fontInfo().staticFont);
    setFont(font);
    const int captionHeight = QFontMetrics(font).height();
    setContentsMargins(kLine + 4, captionHeight + 4, kLine + 4, kLine + 4);
}

bool SkinGroupBox::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        applyMargins();
        update();
        return true;
    }
    return QGroupBox::event(event);
}

void SkinGroupBox::paintEvent(QPaintEvent* /*event*/) {
    const skin::FontInfo& info = context_.skin.fontInfo();
    const QColor enabled = toQColor(info.staticEnabled);
    const QFontMetrics metrics(font());
    const QString caption = title();
    const int captionWidth =
        caption.isEmpty() ? 0 : metrics.horizontalAdvance(QString(caption).remove('&'));
    const int mid = metrics.height() / 2;

    QPainter painter(this);
    // The frame runs clockwise from just right of the caption round to a
    // short stub at the top of the left edge, a two-pixel line inside the box.
    const qreal inset = kLine / 2.0;
    const qreal left = inset;
    const qreal top = mid;
    const qreal right = width() - inset;
    const qreal bottom = height() - inset;
    QPainterPath frame;
    frame.moveTo(caption.isEmpty() ? left : kCaptionLeft + captionWidth + kCaptionGap, top);
    frame.lineTo(right, top);
    frame.lineTo(right, bottom);
    frame.lineTo(left, bottom);
    frame.lineTo(left, top);
    frame.lineTo(caption.isEmpty() ? right : qreal(kLeftEdgeEnd), top);
    painter.setPen(QPen(enabled, kLine, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(frame);

    if (!caption.isEmpty()) {
        painter.setPen(isEnabled() ? enabled : toQColor(info.staticDisabled));
        painter.drawText(QRect(kCaptionLeft, 0, captionWidth + 1, metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextHideMnemonic, caption);
    }
}

}  // namespace sonara::gui
