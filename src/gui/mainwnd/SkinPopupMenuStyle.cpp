#include "gui/mainwnd/SkinPopupMenuStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

#include "core/mainwnd/MenuSkin.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// Room for a sub-menu's arrow beyond its text, so the arrow never covers it.
constexpr int kArrowRoom = 10;
constexpr int kArrowSize = 3;

// The menu texts carry no mnemonics; an ampersand in a player's name was
// doubled so that it shows as itself.
QString shownText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

MenuItem coreItem(const QStyleOptionMenuItem& option) {
    MenuItem item;
    switch (option.menuItemType) {
        case QStyleOptionMenuItem::Separator:
            item.kind = MenuItemKind::Separator;
            break;
        case QStyleOptionMenuItem::SubMenu:
            item.kind = MenuItemKind::SubMenu;
            break;
        default:
            item.kind = MenuItemKind::Normal;
            break;
    }
    item.text = shownText(option.text).toStdString();
    item.checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
    return item;
}

QRect toQRect(const MenuBox& box) {
    return {box.x, box.y, box.width, box.height};
}

}  // namespace

SkinPopupMenuStyle::SkinPopupMenuStyle(SkinContext context, QObject* owner) : context_(context) {
    setParent(owner);
}

QFont SkinPopupMenuStyle::menuFont() const {
    return skinFont(context_.skin.fontInfo().menuFont);
}

int SkinPopupMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const {
    switch (metric) {
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            // Keeps the longest text and the first and last items off the
            // edge line.
            return 2;
        case PM_MenuTearoffHeight:
        case PM_MenuScrollerHeight:
            return 0;
        case PM_MenuPanelWidth:
            return 1;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize SkinPopupMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                           const QSize& size, const QWidget* widget) const {
    const auto* menuOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || menuOption == nullptr) {
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    const QFontMetrics metrics(menuFont());
    const MenuItem item = coreItem(*menuOption);
    const MenuTextExtent extent = measureMenuItem(item, [&](const std::string& text) {
        return MenuTextExtent{metrics.horizontalAdvance(QString::fromStdString(text)),
                              metrics.height()};
    });
    const int arrow = item.kind == MenuItemKind::SubMenu ? kArrowRoom : 0;
    return {extent.width + arrow, extent.height};
}

void SkinPopupMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuEmptyArea) {
        fillBackground(*painter, option->rect);
        return;
    }
    const auto* menuOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || menuOption == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const MenuItem item = coreItem(*menuOption);
    const QRect rect = menuOption->rect;
    const bool highlighted = (menuOption->state & State_Selected) != 0;
    const MenuItemPaint paint =
        paintMenuItem(item, MenuBox{rect.x(), rect.y(), rect.width(), rect.height()}, highlighted);
    const skin::FontInfo& fonts = context_.skin.fontInfo();

    painter->save();
    fillBackground(*painter, rect);
    if (paint.bar) {
        painter->fillRect(toQRect(*paint.bar),
                          toQColor(menuColour(MenuColourRole::Separator, fonts)));
    }
    if (paint.drawText) {
        const QColor textColour = toQColor(menuColour(paint.textColour, fonts));
        painter->setFont(menuFont());
        painter->setPen(textColour);
        const QRect textRect(paint.textLeft, rect.y(), rect.right() + 1 - paint.textLeft,
                             rect.height());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          QString::fromStdString(item.text));
        if (item.kind == MenuItemKind::SubMenu) {
            const int tipX = rect.right() - 3;
            const int middle = rect.center().y();
            QPainterPath arrow;
            arrow.moveTo(tipX, middle);
            arrow.lineTo(tipX - kArrowSize, middle - kArrowSize);
            arrow.lineTo(tipX - kArrowSize, middle + kArrowSize);
            arrow.closeSubpath();
            painter->fillPath(arrow, textColour);
        }
    }
    if (paint.checkDot) {
        const QColor dotColour = toQColor(menuColour(MenuColourRole::Text, fonts));
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(dotColour);
        painter->drawEllipse(toQRect(*paint.checkDot));
    }
    painter->restore();
}

void SkinPopupMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelMenu:
            fillBackground(*painter, option->rect);
            return;
        case PE_FrameMenu: {
            // A one-pixel edge so that the menu stands out from a window
            // drawn from the same background.
            painter->save();
            painter->setPen(toQColor(menuColour(MenuColourRole::Text, context_.skin.fontInfo())));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

int SkinPopupMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled || hint == SH_Menu_FadeOutOnHide) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SkinPopupMenuStyle::fillBackground(QPainter& painter, const QRect& area) const {
    const QImage& background = context_.skin.bitmapPresent(skin::kMenuBackground);
    if (background.isNull()) {
        painter.fillRect(area, QColor(Qt::white));
        return;
    }
    // Tiled from the menu's corner, as a pattern brush would be.
    painter.fillRect(area, QBrush(background));
}

}  // namespace sonara::gui
