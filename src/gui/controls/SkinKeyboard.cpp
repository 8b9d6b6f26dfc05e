#include "gui/controls/SkinKeyboard.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/HoverTip.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr int kGap = 2;
constexpr int kSpaceKey = 37;
constexpr int kBracketKey = 36;
constexpr int kStarKey = 38;

// Keys of each row, left to right.
const std::array<std::vector<int>, 5>& rows() {
    static const std::array<std::vector<int>, 5> table = {{
        {27, 28, 29, 30, 31, 32, 33, 34, 35, 26},     // 1..9 0
        {16, 22, 4, 17, 19, 24, 20, 8, 14, 15},       // Q..P
        {0, 18, 3, 5, 6, 7, 9, 10, 11, kBracketKey},  // A..L [
        {25, 23, 2, 21, 1, 13, 12, kStarKey},         // Z..M *
        {kSpaceKey},
    }};
    return table;
}

}  // namespace

SkinKeyboard::SkinKeyboard(SkinContext context, QWidget* parent)
    : QWidget(parent), context_(context), tip_(new HoverTip(this)) {
    setMouseTracking(true);
    layoutKeys();
}

SkinKeyboard::~SkinKeyboard() = default;

QChar SkinKeyboard::keyChar(int key) {
    if (key >= 0 && key < 26) {
        return QChar(char16_t(u'A' + key));
    }
    if (key >= 26 && key < 36) {
        return QChar(char16_t(u'0' + key - 26));
    }
    switch (key) {
        case kBracketKey:
            return QLatin1Char('[');
        case kSpaceKey:
            return QLatin1Char(' ');
        case kStarKey:
            return QLatin1Char('*');
        default:
            return {};
    }
}

SkinKeyboard::Kind SkinKeyboard::kindOf(int key) {
    switch (key) {
        case kBracketKey:
            return Kind::Medium;
        case kStarKey:
            return Kind::Large;
        case kSpaceKey:
            return Kind::Space;
        default:
            return Kind::Small;
    }
}

int SkinKeyboard::bitmapIndex(Kind kind) const {
    switch (kind) {
        case Kind::Medium:
            return skin::kKeyMedium;
        case Kind::Large:
            return skin::kKeyLarge;
        case Kind::Space:
            return skin::kKeySpacebar;
        case Kind::Small:
        default:
            return skin::kKeySmall;
    }
}

QSize SkinKeyboard::keySize(Kind kind) const {
    const QImage& image = context_.skin.bitmap(bitmapIndex(kind));
    if (!image.isNull()) {
        return image.size();
    }
    switch (kind) {
        case Kind::Medium:
            return {48, 32};
        case Kind::Large:
            return {64, 32};
        case Kind::Space:
            return {192, 32};
        case Kind::Small:
        default:
            return {32, 32};
    }
}

void SkinKeyboard::layoutKeys() {
    rects_ = QVector<QRect>(kKeyCount);
    std::vector<int> widths;
    std::vector<int> heights;
    for (const auto& row : rows()) {
        int w = 0;
        int h = 0;
        for (int key : row) {
            const QSize size = keySize(kindOf(key));
            w += size.width() + (w > 0 ? kGap : 0);
            h = std::max(h, size.height());
        }
        widths.push_back(w);
        heights.push_back(h);
    }
    const int width = *std::max_element(widths.begin(), widths.end());
    int y = 0;
    for (size_t r = 0; r < rows().size(); ++r) {
        int x = (width - widths[r]) / 2;
        for (int key : rows()[r]) {
            const QSize size = keySize(kindOf(key));
            rects_[key] = QRect(QPoint(x, y + (heights[r] - size.height()) / 2), size);
            x += size.width() + kGap;
        }
        y += heights[r] + kGap;
    }
    natural_ = QSize(width, y - kGap);

    // On a keyboard picture the rows are stretched over the whole picture.
    const QImage& background = context_.skin.bitmap(skin::kKeyboardBackground);
    if (!background.isNull() && !natural_.isEmpty()) {
        const double fx = double(background.width()) / natural_.width();
        const double fy = double(background.height()) / natural_.height();
        for (QRect& rect : rects_) {
            rect =
                QRect(QPoint(int(rect.left() * fx), int(rect.top() * fy)),
                      QPoint(int((rect.right() + 1) * fx) - 1, int((rect.bottom() + 1) * fy) - 1));
        }
    }
    updateGeometry();
}

QSize SkinKeyboard::sizeHint() const {
    const QImage& background = context_.skin.bitmap(skin::kKeyboardBackground);
    return background.isNull() ? natural_ : background.size();
}

QRect SkinKeyboard::keyRect(int key) const {
    return key >= 0 && key < kKeyCount ? rects_[key] : QRect();
}

int SkinKeyboard::keyAt(QPoint point) const {
    for (int key = 0; key < kKeyCount; ++key) {
        if (rects_[key].contains(point)) {
            return key;
        }
    }
    return -1;
}

void SkinKeyboard::setHotKey(int key) {
    hot_ = key >= 0 && key < kKeyCount ? key : -1;
    update();
}

void SkinKeyboard::setPressedKey(int key) {
    pressed_ = key >= 0 && key < kKeyCount ? key : -1;
    update();
}

void SkinKeyboard::setHot(int key) {
    if (key == hot_) {
        return;
    }
    hot_ = key;
    tip_->hide();
    if (hot_ >= 0 && context_.prefs.values().showTips == 1) {
        const QString text = hot_ == kSpaceKey ? tr("Space") : QString(keyChar(hot_));
        tip_->arm(text, mapToGlobal(rects_[hot_].bottomLeft() + QPoint(10, 10)));
    }
    update();
}

void SkinKeyboard::mouseMoveEvent(QMouseEvent* event) {
    setHot(keyAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void SkinKeyboard::mousePressEvent(QMouseEvent* event) {
    const int key = keyAt(event->position().toPoint());
    if (key < 0 || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    tip_->hide();
    pressed_ = key;
    pressedButton_ = event->button();
    update();
    event->accept();
}

void SkinKeyboard::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ < 0 || event->button() != pressedButton_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int key = pressed_;
    pressed_ = -1;
    pressedButton_ = Qt::NoButton;
    update();
    if (keyAt(event->position().toPoint()) == key) {
        if (event->button() == Qt::LeftButton) {
            emit keyPressedLeft(keyChar(key));
        } else {
            emit keyPressedRight(keyChar(key));
        }
    }
    event->accept();
}

void SkinKeyboard::leaveEvent(QEvent* event) {
    setHot(-1);
    tip_->hide();
    QWidget::leaveEvent(event);
}

void SkinKeyboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const skin::FontInfo& info = context_.skin.fontInfo();
    const QColor transparent = toQColor(info.transparent);
    const QImage& background = context_.skin.bitmap(skin::kKeyboardBackground);
    if (!background.isNull()) {
        transparentCopy(painter, background, background.rect(), transparent);
        // The picture has the keys drawn in: mark the hot and pressed ones.
        if (hot_ >= 0) {
            painter.setPen(QPen(toQColor(info.buttonText.mouseOver), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rects_[hot_].adjusted(0, 0, -1, -1));
        }
        if (pressed_ >= 0) {
            painter.fillRect(rects_[pressed_], QColor(0, 0, 0, 96));
        }
        return;
    }
    painter.setFont(skinFont(info.buttonFont));
    for (int key = 0; key < kKeyCount; ++key) {
        const QImage& face = context_.skin.bitmap(bitmapIndex(kindOf(key)));
        if (face.isNull()) {
            continue;
        }
        const QRect rect = rects_[key];
        transparentCopy(painter, face, rect, transparent);
        if (key == kSpaceKey) {
            continue;
        }
        QColor colour = toQColor(info.buttonText.up);
        QRect text = rect;
        if (key == pressed_) {
            colour = toQColor(info.buttonText.down);
            text.translate(1, 1);
        } else if (key == hot_) {
            colour = toQColor(info.buttonText.mouseOver);
        }
        painter.setPen(colour);
        painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, QString(keyChar(key)));
    }
}

bool SkinKeyboard::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        layoutKeys();
        update();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace sonara::gui
