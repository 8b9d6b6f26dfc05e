#include "gui/skin/SkinCaptionButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// Drawn-in captions keep this far from the cell's edges, inside the border
// and the focus ring.
constexpr int kLetteringMargin = 4;

}  // namespace

SkinCaptionButton::SkinCaptionButton(SkinContext& context, QWidget* parent)
    : SkinButton(context, parent) {}

void SkinCaptionButton::setIconImage(QImage icon, QPoint offset) {
    icon_ = std::move(icon);
    iconOffset_ = offset;
    rectsKnown_ = false;
    update();
}

void SkinCaptionButton::setCaptionId(std::optional<TextId> id) {
    captionId_ = id;
    rectsKnown_ = false;
    update();
}

void SkinCaptionButton::setCaptionOffsets(QPoint offset) {
    captionOffset_ = offset;
    rectsKnown_ = false;
    update();
}

void SkinCaptionButton::setTextFormat(Qt::Alignment alignment) {
    alignment_ = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void SkinCaptionButton::setCaptionOverStrip(bool on) {
    overStrip_ = on;
    update();
}

QString SkinCaptionButton::caption() const {
    return captionId_ ? QString::fromStdString(stringText(*captionId_)) : text();
}

bool SkinCaptionButton::drawsCaption() const {
    return overStrip_ || !stripHasCaptions();
}

bool SkinCaptionButton::stripHasCaptions() const {
    const skin::FontInfo& info = context().skin.fontInfo();
    return (stripIndex() == skin::kLargeButton && info.largeButtonsHaveText) ||
           (stripIndex() == skin::kMediumButton && info.mediumButtonsHaveText);
}

void SkinCaptionButton::skinChanged() {
    font_.reset();
    rectsKnown_ = false;
}

void SkinCaptionButton::resizeEvent(QResizeEvent* event) {
    rectsKnown_ = false;
    SkinButton::resizeEvent(event);
}

const QFont& SkinCaptionButton::captionFont() {
    if (!font_) {
        const skin::FontInfo& info = context().skin.fontInfo();
        font_ = skinFont(stripIndex() == skin::kMediumButton ? info.mediumFont : info.buttonFont);
    }
    return *font_;
}

void SkinCaptionButton::computeRects() {
    const QRect area = rect();
    iconRect_ = QRect();
    int captionLeft = area.left();
    if (!icon_.isNull()) {
        iconRect_ = QRect(QPoint(area.left() + iconOffset_.x(),
                                 (area.height() - icon_.height()) / 2 + iconOffset_.y()),
                          icon_.size());
        captionLeft = iconRect_.right() + 1;
    }
    const int cellHeight = context().skin.cellSize(stripIndex()).height();
    const int textHeight = QFontMetrics(captionFont()).height();
    captionRect_ = QRect(captionLeft, area.top(), area.right() - captionLeft + 1, area.height());
    captionRect_.translate(captionOffset_.x(), (cellHeight - textHeight) / 2 + captionOffset_.y());
    rectsKnown_ = true;
}

void SkinCaptionButton::paintEvent(QPaintEvent* event) {
    if (stripIndex() < 0) {
        return;
    }
    const bool wipesLettering = overStrip_ && stripHasCaptions();
    if (!wipesLettering) {
        SkinButton::paintEvent(event);
    }
    if (!rectsKnown_) {
        computeRects();
    }
    QPainter painter(this);
    if (wipesLettering) {
        const QImage face = withoutLettering(stateCell(), kLetteringMargin);
        plainCopy(painter, face, QRect(QPoint(), face.size()).intersected(rect()));
    }
    if (!icon_.isNull()) {
        plainCopy(painter, icon_, iconRect_);
    }
    if (!drawsCaption()) {
        return;
    }
    const skin::FontInfo& info = context().skin.fontInfo();
    const skin::ButtonTextColours& colours =
        stripIndex() == skin::kMediumButton ? info.mediumText : info.buttonText;
    painter.setFont(captionFont());
    painter.setPen(toQColor(colours.forColumn(stateColumn())));
    painter.drawText(captionRect_, int(alignment_ | Qt::AlignTop) | Qt::TextHideMnemonic,
                     caption());
}

}  // namespace sonara::gui
