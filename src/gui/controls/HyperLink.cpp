#include "gui/controls/HyperLink.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// A path, an address with a scheme, or a bare address such as
// "www.example.com".
QUrl targetUrl(const QString& target) {
    if (QDir::isAbsolutePath(target)) {
        return QUrl::fromLocalFile(target);
    }
    const QUrl url(target);
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromUserInput(target, QDir::currentPath());
}

}  // namespace

HyperLink::HyperLink(SkinContext context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      systemOpener_(std::make_unique<SystemDesktopOpener>()),
      opener_(systemOpener_.get()) {
    setCursor(Qt::PointingHandCursor);
    makeFont();
}

HyperLink::~HyperLink() = default;

void HyperLink::setText(const QString& text) {
    text_ = text;
    setToolTip(url());
    fitToText();
    update();
}

void HyperLink::setUrl(const QString& url) {
    url_ = url;
    if (text_.isEmpty()) {
        text_ = url;
        fitToText();
    }
    setToolTip(this->url());
    update();
}

void HyperLink::setColours(QColor link, QColor visited) {
    linkColour_ = link;
    visitedColour_ = visited;
    update();
}

void HyperLink::setSkinColours() {
    const skin::FontInfo& info = context_.skin.fontInfo();
    setColours(toQColor(info.hyperLink), toQColor(info.visitedHyperLink));
}

void HyperLink::setVisited(bool visited) {
    visited_ = visited;
    update();
}

void HyperLink::setUnderline(bool underline) {
    underline_ = underline;
    makeFont();
    update();
}

void HyperLink::setOwnFont(const QString& face, int size) {
    ownFont_ = std::make_pair(face, size);
    makeFont();
    fitToText();
    update();
}

void HyperLink::clearOwnFont() {
    ownFont_.reset();
    makeFont();
    fitToText();
    update();
}

void HyperLink::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void HyperLink::setOpener(DesktopOpener* opener) {
    opener_ = opener != nullptr ? opener : systemOpener_.get();
}

bool HyperLink::open() {
    const QString target = url();
    if (target.isEmpty()) {
        return false;
    }
    OpenOutcome outcome = opener_->openUrl(targetUrl(target));
    if (!outcome.ok()) {
        // The default web browser copes with most addresses and files the
        // desktop's opener has no handler for. Without one the first
        // reason stands.
        if (const std::optional<QString> exec = opener_->htmlHandlerExec()) {
            if (const std::optional<QStringList> command = handlerCommand(*exec, target)) {
                outcome = opener_->startDetached(command->front(), command->mid(1));
            }
        }
    }
    if (!outcome.ok()) {
        QApplication::beep();
        showFailureMessage(QStringLiteral("Unable to open hyperlink:\n\n") +
                           openFailureReason(outcome));
        return false;
    }
    setVisited(true);
    emit opened();
    return true;
}

QSize HyperLink::sizeHint() const {
    const QFontMetrics metrics(font_);
    return {metrics.horizontalAdvance(text_), metrics.height()};
}

void HyperLink::showFailureMessage(const QString& message) {
    QMessageBox::warning(this, QApplication::applicationName(), message);
}

bool HyperLink::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        makeFont();
        fitToText();
        update();
        return true;
    }
    return QWidget::event(event);
}

void HyperLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font_);
    painter.setPen(visited_ ? visitedColour_ : linkColour_);
    const Qt::Alignment horizontal = alignment_ & Qt::AlignHorizontal_Mask;
    painter.drawText(rect(), int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, text_);
}

void HyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        open();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void HyperLink::makeFont() {
    if (ownFont_) {
        font_ = QFont(ownFont_->first);
        font_.setPixelSize(std::max(1, ownFont_->second));
        font_.setWeight(QFont::Normal);
    } else {
        font_ = skinFont(context_.skin.fontInfo().staticFont);
    }
    font_.setUnderline(underline_);
}

// Grows or shrinks to the text around the edge (or centre) the alignment
// holds still.
void HyperLink::fitToText() {
    const QSize size = sizeHint();
    const QRect old = geometry();
    int left = old.left();
    if (alignment_ & Qt::AlignHCenter) {
        left = old.left() + (old.width() - size.width()) / 2;
    } else if (alignment_ & Qt::AlignRight) {
        left = old.left() + old.width() - size.width();
    }
    int top = old.top();
    if (alignment_ & Qt::AlignVCenter) {
        top = old.top() + (old.height() - size.height()) / 2;
    }
    setGeometry(left, top, size.width(), size.height());
}

}  // namespace sonara::gui
