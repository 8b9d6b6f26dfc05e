#include "gui/controls/ScrollingLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/settings/PreferenceStore.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr int kScrollAlways = 1;
constexpr int kScrollWhenLong = 0;

}  // namespace

const QString& ScrollingLabel::separator() {
    static const QString text = QStringLiteral("     ***     ");
    return text;
}

ScrollingLabel::ScrollingLabel(SkinContext context, QWidget* parent)
    : QWidget(parent), context_(context) {
    // Nothing of its own behind the text: the parent's background shows.
    setAutoFillBackground(false);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ScrollingLabel::tick);
    makeFont();
}

void ScrollingLabel::setText(const QString& title) {
    title_ = title;
    titleWidth_ = QFontMetrics(font_).horizontalAdvance(title_);
    evaluate(true);
}

void ScrollingLabel::setOwnFont(const skin::FontSpec& spec) {
    ownFont_ = spec;
    makeFont();
    setText(title_);
}

void ScrollingLabel::clearOwnFont() {
    ownFont_.reset();
    makeFont();
    setText(title_);
}

void ScrollingLabel::refresh() {
    evaluate(false);
}

void ScrollingLabel::tick() {
    if (!scrolling_) {
        return;
    }
    offset_ -= kStepPixels;
    if (-offset_ >= scrollingWidth_) {
        offset_ = 0;
    }
    update();
}

QSize ScrollingLabel::sizeHint() const {
    const QFontMetrics metrics(font_);
    return {std::max(titleWidth_, 40), metrics.height()};
}

bool ScrollingLabel::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        makeFont();
        setText(title_);
        return true;
    }
    return QWidget::event(event);
}

void ScrollingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setFont(font_);
    const skin::FontInfo& info = context_.skin.fontInfo();
    painter.setPen(toQColor(isEnabled() ? info.staticEnabled : info.staticDisabled));
    const int flags = Qt::TextSingleLine | Qt::AlignVCenter;
    if (scrolling_) {
        // Twice, the second copy right behind the first, so the wrap back to
        // offset 0 looks like one endless band.
        const QRect first(offset_, 0, scrollingWidth_, height());
        painter.drawText(first, flags | Qt::AlignLeft, scrollingText_);
        painter.drawText(first.translated(scrollingWidth_, 0), flags | Qt::AlignLeft,
                         scrollingText_);
    } else {
        painter.drawText(rect(), flags | Qt::AlignHCenter, title_);
    }
}

void ScrollingLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    evaluate(false);
}

void ScrollingLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
}

void ScrollingLabel::makeFont() {
    font_ = skinFont(ownFont_ ? *ownFont_ : context_.skin.fontInfo().staticFont);
}

// `restart` puts the text back at its start; a resize that leaves the
// scrolling text as it was keeps it moving where it is.
void ScrollingLabel::evaluate(bool restart) {
    const int mode = context_.prefs.values().scrollTitle;
    const bool scroll = !title_.isEmpty() && (mode == kScrollAlways ||
                                              (mode == kScrollWhenLong && titleWidth_ >= width()));
    QString text;
    int textWidth = 0;
    if (scroll) {
        const QFontMetrics metrics(font_);
        text = title_;
        while (metrics.horizontalAdvance(text) < width()) {
            text += separator() + title_;
        }
        text += separator();
        textWidth = metrics.horizontalAdvance(text);
    }
    if (restart || !scroll || !scrolling_ || text != scrollingText_) {
        offset_ = 0;
    }
    scrolling_ = scroll;
    scrollingText_ = text;
    scrollingWidth_ = textWidth;
    if (scrolling_) {
        if (restart || !timer_.isActive()) {
            timer_.start();
        }
    } else {
        timer_.stop();
    }
    update();
}

}  // namespace sonara::gui
