#include <gtest/gtest.h>

#include "core/mainwnd/MenuSkin.h"
#include "core/skin/FontInfo.h"

namespace sonara {
namespace {

TEST(MenuSkin, ItemsMeasureByTheirTextSeparatorsAreFixed) {
    const MenuTextMeasure measure = [](const std::string& text) {
        return MenuTextExtent{int(text.size()) * 7, 13};
    };
    MenuItem normal{MenuItemKind::Normal, "Exit", Command::Exit, false, {}};
    EXPECT_EQ(measureMenuItem(normal, measure).width, 4 * 7 + 10);
    EXPECT_EQ(measureMenuItem(normal, measure).height, 13);
    MenuItem sub{MenuItemKind::SubMenu, "Views", Command{}, false, {}};
    EXPECT_EQ(measureMenuItem(sub, measure).width, 5 * 7 + 10);
    MenuItem bar{MenuItemKind::Separator, {}, Command{}, false, {}};
    EXPECT_EQ(measureMenuItem(bar, measure).width, 10);
    EXPECT_EQ(measureMenuItem(bar, measure).height, 8);
}

TEST(MenuSkin, OnlyTheMainWindowsMenusAreSkinned) {
    EXPECT_TRUE(isSkinnedMenu(MenuId::Main));
    EXPECT_TRUE(isSkinnedMenu(MenuId::WorkSpace));
    EXPECT_FALSE(isSkinnedMenu(MenuId::Tray));
    EXPECT_FALSE(isSkinnedMenu(MenuId::TrayShort));
}

TEST(MenuSkin, PaintingDecisions) {
    const MenuBox box{100, 40, 120, 20};
    MenuItem item{MenuItemKind::Normal, "Normal", Command::ViewNormal, false, {}};
    MenuItemPaint plain = paintMenuItem(item, box, false);
    EXPECT_EQ(plain.backgroundElement, 13);
    EXPECT_TRUE(plain.drawText);
    EXPECT_EQ(plain.textLeft, 110);
    EXPECT_EQ(plain.textColour, MenuColourRole::Text);
    EXPECT_FALSE(plain.checkDot);
    EXPECT_FALSE(plain.bar);

    item.checked = true;
    const MenuItemPaint checked = paintMenuItem(item, box, true);
    EXPECT_EQ(checked.textColour, MenuColourRole::Highlight);
    EXPECT_EQ(checked.checkDot, (MenuBox{102, 45, 6, 10}));

    MenuItem bar{MenuItemKind::Separator, {}, Command{}, false, {}};
    const MenuItemPaint separator = paintMenuItem(bar, MenuBox{100, 40, 120, 8}, true);
    EXPECT_FALSE(separator.drawText);
    EXPECT_EQ(separator.bar, (MenuBox{100, 43, 120, 2}));

    skin::FontInfo fonts;
    fonts.menuEnabled = Colour::fromRgb(255, 255, 0);
    fonts.menuDisabled = Colour::fromRgb(1, 206, 20);
    EXPECT_EQ(menuColour(MenuColourRole::Text, fonts), fonts.menuEnabled);
    EXPECT_EQ(menuColour(MenuColourRole::Highlight, fonts), fonts.menuDisabled);
    EXPECT_EQ(menuColour(MenuColourRole::Separator, fonts), fonts.menuDisabled);
}

}  // namespace
}  // namespace sonara
