#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/mainwnd/MenuItem.h"
#include "core/settings/Colour.h"
#include "core/skin/SkinFiles.h"

namespace sonara {

namespace skin {
struct FontInfo;
}

// How the skinned pop-up menus measure and draw their items; the gui's
// painter only carries out these decisions. Pure.

// Whether the menu is drawn from the skin: the main window's are; the
// tray's are plain system menus, and a dialog's menus follow its dialog.
bool isSkinnedMenu(MenuId id);

struct MenuTextExtent {
    int width = 0;
    int height = 0;
};
// Measures a text in the skin's menu font.
using MenuTextMeasure = std::function<MenuTextExtent(const std::string& text)>;

// The item's size: its text plus 10 pixels across and the text's height;
// separators are 10 x 8.
MenuTextExtent measureMenuItem(const MenuItem& item, const MenuTextMeasure& measureText);

struct MenuBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const MenuBox&) const = default;
};

// The skin's menu colours: text, highlighted text, separator bar.
enum class MenuColourRole { Text, Highlight, Separator };
Colour menuColour(MenuColourRole role, const skin::FontInfo& fonts);

// What to draw for one item in `box`, in this order: the whole box from the
// skin's menu background element, then the bar or the text and the dot.
struct MenuItemPaint {
    // The skin element the box is filled from.
    int backgroundElement = skin::kMenuBackground;
    // A separator's bar; none for other items.
    std::optional<MenuBox> bar;
    // The text, left-aligned at textLeft, on a transparent background.
    bool drawText = false;
    int textLeft = 0;
    MenuColourRole textColour = MenuColourRole::Text;
    // A checked item's filled dot, in the text colour.
    std::optional<MenuBox> checkDot;
};
MenuItemPaint paintMenuItem(const MenuItem& item, MenuBox box, bool highlighted);

}  // namespace sonara
