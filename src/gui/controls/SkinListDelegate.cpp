#include "gui/controls/SkinListDelegate.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QPainter>
#include <algorithm>

#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {
constexpr int kTextMargin = 3;  // pixels left and right of a cell's text
}

SkinListDelegate::SkinListDelegate(SkinContext context, QObject* parent)
    : QStyledItemDelegate(parent), context_(context) {}

int SkinListDelegate::rowHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.height() + metrics.leading() + 1;
}

void SkinListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const skin::FontInfo& info = context_.skin.fontInfo();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    QColor text = toQColor(info.listText);
    if (selected) {
        const QPalette::ColorGroup group =
            option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        text = option.palette.color(group, QPalette::HighlightedText);
    } else if (!info.listTransparent) {
        painter->fillRect(option.rect, context_.skin.listBrush());
    }

    QRect area = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        const int side = std::min(option.rect.height(), 16);
        const QRect iconRect(area.left(), area.top() + (area.height() - side) / 2, side, side);
        if (decoration.canConvert<QIcon>()) {
            decoration.value<QIcon>().paint(painter, iconRect);
        } else if (decoration.canConvert<QPixmap>()) {
            painter->drawPixmap(iconRect, decoration.value<QPixmap>());
        }
        area.setLeft(iconRect.right() + 1 + kTextMargin);
    }

    const QString value = index.data(Qt::DisplayRole).toString();
    if (value.isEmpty() || area.width() <= 0) {
        return;
    }
    // One line: line breaks would otherwise be drawn as boxes or wrap.
    QString line = value;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QFontMetrics metrics(option.font);
    const QString shown = metrics.elidedText(line, Qt::ElideRight, area.width());
    Qt::Alignment horizontal = Qt::AlignLeft;
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    if (alignment.isValid()) {
        horizontal = Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
    }
    painter->save();
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(area, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), shown);
    painter->restore();
}

QSize SkinListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QString value = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(option.font);
    return QSize(metrics.horizontalAdvance(value) + 2 * kTextMargin, rowHeight(option.font));
}

}  // namespace sonara::gui
