#include "core/mainwnd/MenuSkin.h"

#include "core/skin/FontInfo.h"

namespace sonara {

namespace {
constexpr int kTextLeft = 10;
constexpr int kSeparatorWidth = 10;
constexpr int kSeparatorHeight = 8;
constexpr int kBarHeight = 2;
constexpr int kDotInsetX = 2;
constexpr int kDotInsetY = 5;
}  // namespace

bool isSkinnedMenu(MenuId id) {
    switch (id) {
        case MenuId::Tray:
        case MenuId::TrayShort:
        case MenuId::DuplicateFinder:
            return false;
        default:
            return true;
    }
}

MenuTextExtent measureMenuItem(const MenuItem& item, const MenuTextMeasure& measureText) {
    if (item.isSeparator()) {
        return {kSeparatorWidth, kSeparatorHeight};
    }
    const MenuTextExtent text = measureText(item.text);
    return {text.width + kTextLeft, text.height};
}

Colour menuColour(MenuColourRole role, const skin::FontInfo& fonts) {
    // The skin names two menu colours; the second, "RGB Disabled Color", is
    // drawn only on the highlighted item and the separators (no item is
    // ever disabled), which is why skins give it a bright colour.
    return role == MenuColourRole::Text ? fonts.menuEnabled : fonts.menuDisabled;
}

MenuItemPaint paintMenuItem(const MenuItem& item, MenuBox box, bool highlighted) {
    MenuItemPaint paint;
    if (item.isSeparator()) {
        paint.bar = MenuBox{box.x, box.y + (box.height - kBarHeight) / 2, box.width, kBarHeight};
        return paint;
    }
    paint.drawText = true;
    paint.textLeft = box.x + kTextLeft;
    paint.textColour = highlighted ? MenuColourRole::Highlight : MenuColourRole::Text;
    if (item.checked && item.kind == MenuItemKind::Normal) {
        paint.checkDot = MenuBox{box.x + kDotInsetX, box.y + kDotInsetY, kTextLeft - 2 * kDotInsetX,
                                 box.height - 2 * kDotInsetY};
    }
    return paint;
}

}  // namespace sonara
