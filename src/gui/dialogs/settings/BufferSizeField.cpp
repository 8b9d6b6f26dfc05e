#include "gui/dialogs/settings/BufferSizeField.h"

#include <QLineEdit>
#include <algorithm>

#include "core/settings/PreferencePageRules.h"

namespace sonara::gui {

namespace {

constexpr int kHeldStep = 32;
constexpr qint64 kHoldBeforeBigSteps = 1000;
// Auto-repeated steps come quicker than this; a slower one starts afresh.
constexpr qint64 kRepeatGap = 600;

}  // namespace

BufferSizeField::BufferSizeField(QWidget* parent) : QAbstractSpinBox(parent) {
    setAccelerated(false);
    setKeyboardTracking(true);
    lineEdit()->setMaxLength(10);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { update(); });
}

void BufferSizeField::setValue(int kilobytes) {
    position_ = std::clamp(kilobytes, kMinBufferSizeK, kMaxBufferSizeK);
    lineEdit()->setText(QString::number(kilobytes));
}

QString BufferSizeField::text() const {
    return lineEdit()->text();
}

void BufferSizeField::setText(const QString& text) {
    lineEdit()->setText(text);
}

int BufferSizeField::position() const {
    // Typed text that is a number in range moves the buttons' position too.
    const Result<int> typed = parseBufferSize(text().toStdString());
    return typed ? typed.value() : position_;
}

void BufferSizeField::stepBy(int steps) {
    if (!lastStep_.isValid() || lastStep_.elapsed() > kRepeatGap) {
        held_.start();
    }
    lastStep_.start();
    const int step = held_.elapsed() >= kHoldBeforeBigSteps ? kHeldStep : 1;
    position_ = std::clamp(position() + steps * step, kMinBufferSizeK, kMaxBufferSizeK);
    lineEdit()->setText(QString::number(position_));
    selectAll();
}

QAbstractSpinBox::StepEnabled BufferSizeField::stepEnabled() const {
    const int at = position();
    StepEnabled enabled = StepNone;
    if (at < kMaxBufferSizeK) {
        enabled |= StepUpEnabled;
    }
    if (at > kMinBufferSizeK) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace sonara::gui
