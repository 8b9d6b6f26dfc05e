#include "gui/skin/HoverTip.h"

namespace sonara::gui {

HoverTip::HoverTip(QWidget* owner) : QObject(owner), owner_(owner) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { showNow(pendingText_, pendingPos_); });
}

HoverTip::~HoverTip() {
    delete label_;
}

void HoverTip::arm(const QString& text, QPoint globalPos) {
    if (isShown() || timer_.isActive() || text.isEmpty()) {
        return;
    }
    pendingText_ = text;
    pendingPos_ = globalPos;
    timer_.start();
}

void HoverTip::showNow(const QString& text, QPoint globalPos) {
    timer_.stop();
    if (text.isEmpty()) {
        hide();
        return;
    }
    if (label_ == nullptr) {
        // A top-level tip window of its own, so it is never clipped by the
        // owner and never steals focus.
        label_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        label_->setAttribute(Qt::WA_ShowWithoutActivating);
        label_->setMargin(3);
        label_->setStyleSheet(
            "QLabel { background: #ffffe1; color: black; border: 1px solid black; }");
    }
    label_->setText(text);
    label_->adjustSize();
    label_->move(globalPos);
    label_->show();
}

void HoverTip::hide() {
    timer_.stop();
    if (label_ != nullptr) {
        label_->hide();
    }
}

bool HoverTip::isShown() const {
    return label_ != nullptr && label_->isVisible();
}

QString HoverTip::text() const {
    return label_ != nullptr ? label_->text() : QString();
}

}  // namespace sonara::gui
