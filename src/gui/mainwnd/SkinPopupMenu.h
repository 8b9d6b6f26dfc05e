#pragma once

#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

#include "core/app/Command.h"
#include "core/mainwnd/MenuItem.h"
#include "gui/skin/SkinContext.h"

class QAction;
class QMenu;
class QWidget;

namespace sonara::gui {

// Shows a menu prepared by core (prepareMenu(), rightClickMenu()) as a Qt
// pop-up menu: drawn from the skin when isSkinnedMenu() says so, a plain
// system menu otherwise. Items keep the prepared texts, kinds and check
// marks; picking one gives its Command. User-interface thread only.
class SkinPopupMenu {
  public:
    // The menu and its sub-menus, not shown; the caller owns it. Separators
    // are kept exactly where the prepared menu has them.
    static std::unique_ptr<QMenu> build(SkinContext context, const Menu& menu,
                                        QWidget* parent = nullptr);
    // The command of a picked action; none for null, separators and
    // sub-menu titles.
    static std::optional<Command> commandOf(const QAction* action);

    // Opens the menu at `globalPos` and waits until it closes: the picked
    // item's command, none when dismissed. When the menu asks for it,
    // `menuButton` (may be null) is disabled while the menu is open.
    static std::optional<Command> exec(SkinContext context, const Menu& menu, QPoint globalPos,
                                       QWidget* menuButton = nullptr);
    // exec() for a menu a button opens: under the button's bottom-left
    // corner, and with the button disabled while open when the menu asks.
    static std::optional<Command> execUnder(SkinContext context, const Menu& menu, QWidget* button);
    // The same without waiting: `picked` runs when an item is picked; the
    // menu deletes itself when it closes. Returns the open menu.
    static QMenu* popup(SkinContext context, const Menu& menu, QPoint globalPos,
                        std::function<void(Command)> picked, QWidget* menuButton = nullptr);
};

}  // namespace sonara::gui
