#include "gui/mainwnd/SkinPopupMenu.h"

#include <QMenu>
#include <QPointer>

#include "core/mainwnd/MenuSkin.h"
#include "gui/mainwnd/SkinPopupMenuStyle.h"

namespace sonara::gui {

namespace {

QString actionText(const std::string& text) {
    // Prepared texts carry no mnemonics; a player's name may hold an "&".
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return shown;
}

void styleMenu(QMenu& menu, SkinPopupMenuStyle* style) {
    menu.setStyle(style);
    menu.setFont(style->menuFont());
    menu.setSeparatorsCollapsible(false);
}

void fill(QMenu& menu, const std::vector<MenuItem>& items, SkinContext context, bool skinned) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItemKind::Separator:
                menu.addSeparator();
                break;
            case MenuItemKind::SubMenu: {
                QMenu* sub = menu.addMenu(actionText(item.text));
                if (skinned) {
                    styleMenu(*sub, new SkinPopupMenuStyle(context, sub));
                } else {
                    sub->setSeparatorsCollapsible(false);
                }
                fill(*sub, item.items, context, skinned);
                break;
            }
            case MenuItemKind::Normal: {
                QAction* action = menu.addAction(actionText(item.text));
                action->setData(int(item.command));
                if (item.checked) {
                    action->setCheckable(true);
                    action->setChecked(true);
                }
                break;
            }
        }
    }
}

// Disables the button for as long as the guard lives (or the button does).
class ButtonDisabled {
  public:
    ButtonDisabled(QWidget* button, bool disable) : button_(disable ? button : nullptr) {
        if (button_) {
            button_->setEnabled(false);
        }
    }
    ~ButtonDisabled() {
        if (button_) {
            button_->setEnabled(true);
        }
    }
    ButtonDisabled(const ButtonDisabled&) = delete;
    ButtonDisabled& operator=(const ButtonDisabled&) = delete;

  private:
    QPointer<QWidget> button_;
};

}  // namespace

std::unique_ptr<QMenu> SkinPopupMenu::build(SkinContext context, const Menu& menu,
                                            QWidget* parent) {
    auto qmenu = std::make_unique<QMenu>(parent);
    const bool skinned = isSkinnedMenu(menu.id);
    if (skinned) {
        styleMenu(*qmenu, new SkinPopupMenuStyle(context, qmenu.get()));
    } else {
        qmenu->setSeparatorsCollapsible(false);
    }
    fill(*qmenu, menu.items, context, skinned);
    return qmenu;
}

std::optional<Command> SkinPopupMenu::commandOf(const QAction* action) {
    if (action == nullptr || action->isSeparator() || action->menu() != nullptr) {
        return std::nullopt;
    }
    bool ok = false;
    const int number = action->data().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<Command>(number);
}

std::optional<Command> SkinPopupMenu::exec(SkinContext context, const Menu& menu, QPoint globalPos,
                                           QWidget* menuButton) {
    const std::unique_ptr<QMenu> qmenu = build(context, menu);
    const ButtonDisabled disabled(menuButton, menu.disableMenuButton);
    return commandOf(qmenu->exec(globalPos));
}

std::optional<Command> SkinPopupMenu::execUnder(SkinContext context, const Menu& menu,
                                                QWidget* button) {
    const QPoint corner = button->mapToGlobal(QPoint(0, button->height()));
    return exec(context, menu, corner, button);
}

QMenu* SkinPopupMenu::popup(SkinContext context, const Menu& menu, QPoint globalPos,
                            std::function<void(Command)> picked, QWidget* menuButton) {
    QMenu* qmenu = build(context, menu).release();
    qmenu->setAttribute(Qt::WA_DeleteOnClose);
    auto disabled = std::make_shared<ButtonDisabled>(menuButton, menu.disableMenuButton);
    QObject::connect(qmenu, &QMenu::triggered, qmenu,
                     [picked = std::move(picked)](QAction* action) {
                         if (const auto command = commandOf(action)) {
                             picked(*command);
                         }
                     });
    // The button comes back when the menu goes, whichever way it closes.
    QObject::connect(qmenu, &QObject::destroyed, [disabled]() mutable { disabled.reset(); });
    qmenu->popup(globalPos);
    return qmenu;
}

}  // namespace sonara::gui
