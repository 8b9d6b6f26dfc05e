#include "gui/mainwnd/SkinPopupMenu.h"

#include <QMenu>

namespace sonara::gui {

namespace {

void addItems(QMenu& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.isSeparator()) {
            menu.addSeparator();
        } else if (item.kind == MenuItemKind::SubMenu) {
            addItems(*menu.addMenu(QString::fromStdString(item.text)), item.items);
        } else {
            QAction* action = menu.addAction(QString::fromStdString(item.text));
            action->setData(static_cast<int>(item.command));
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
        }
    }
}

}  // namespace

std::optional<Command> SkinPopupMenu::exec(SkinContext&, const Menu& menu, QPoint globalPos) {
    QMenu popup;
    addItems(popup, menu.items);
    const QAction* chosen = popup.exec(globalPos);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    return static_cast<Command>(chosen->data().toInt());
}

}  // namespace sonara::gui
