#include "gui/skin/SkinLabel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr int kRuleHeight = 2;
constexpr int kSmallestFont = 6;

}  // namespace

SkinLabel::SkinLabel(SkinContext& context, const QString& text, QWidget* parent)
    : QWidget(parent), context_(context), text_(text) {}

void SkinLabel::setText(const QString& text) {
    text_ = text;
    if (mode_ == kShrinkToFit) {
        font_.reset();
    }
    relayout();
    update();
}

void SkinLabel::setOwnFont(const skin::FontSpec& spec) {
    ownFont_ = spec;
    font_.reset();
    relayout();
    update();
}

void SkinLabel::setMode(int mode) {
    mode_ = mode;
    font_.reset();
    relayout();
    update();
}

void SkinLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

QFont SkinLabel::baseFont() const {
    return skinFont(ownFont_ ? *ownFont_ : context_.skin.fontInfo().staticFont);
}

int SkinLabel::textFlags() const {
    const int wrap = mode_ == kShrinkToFit ? Qt::TextSingleLine : Qt::TextWordWrap;
    return int(alignment_) | wrap | Qt::TextHideMnemonic;
}

QFont SkinLabel::textFont() {
    if (font_) {
        return *font_;
    }
    QFont font = baseFont();
    if (mode_ == kShrinkToFit && !text_.isEmpty() && !rect().isEmpty()) {
        // Smaller pixel sizes until the single line fits the label.
        for (int size = font.pixelSize(); size > kSmallestFont; --size) {
            font.setPixelSize(size);
            const QRect needed = QFontMetrics(font).boundingRect(rect(), textFlags(), text_);
            if (needed.width() <= width() && needed.height() <= height()) {
                break;
            }
        }
    }
    font_ = font;
    return font;
}

QColor SkinLabel::textColour() const {
    const skin::FontInfo& info = context_.skin.fontInfo();
    return toQColor(isEnabled() ? info.staticEnabled : info.staticDisabled);
}

QSize SkinLabel::sizeHint() const {
    if (mode_ == kRule) {
        return QSize(width(), kRuleHeight);
    }
    const QFontMetrics metrics(baseFont());
    return metrics.size(Qt::TextHideMnemonic, text_.isEmpty() ? QStringLiteral(" ") : text_);
}

void SkinLabel::relayout() {
    if (relayingOut_) {
        return;
    }
    relayingOut_ = true;
    if (mode_ == kRule) {
        resize(width(), kRuleHeight);
    } else if (mode_ == kGrowHeight && width() > 0) {
        const QRect needed = QFontMetrics(textFont())
                                 .boundingRect(QRect(0, 0, width(), 1 << 20), textFlags(), text_);
        resize(width(), qMax(1, needed.height()));
    }
    relayingOut_ = false;
}

bool SkinLabel::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        font_.reset();
        relayout();
        update();
        return true;
    }
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
    return QWidget::event(event);
}

void SkinLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (mode_ == kShrinkToFit) {
        font_.reset();
    } else if (event->oldSize().width() != width()) {
        relayout();
    }
}

void SkinLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (mode_ == kRule) {
        painter.fillRect(QRect(0, 0, width(), kRuleHeight), textColour());
        return;
    }
    painter.setFont(textFont());
    painter.setPen(textColour());
    painter.drawText(rect(), textFlags(), text_);
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit released(controlId_);
    }
}

}  // namespace sonara::gui
