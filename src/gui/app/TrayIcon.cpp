#include "gui/app/TrayIcon.h"

#include <QCursor>
#include <QMenu>

#include "core/mainwnd/MenuPreparation.h"
#include "gui/app/DesktopIcons.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/SkinPopupMenu.h"

namespace sonara::gui {

TrayIcon::TrayIcon(SkinContext skin, CommandTarget& commands, QObject* parent)
    : QObject(parent), skin_(skin), commands_(commands), frames_(trayFrameIcons()) {
    icon_.setIcon(frames_.at(size_t(state_.frame())));
    icon_.setToolTip(QString::fromStdString(state_.tooltip()));
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
}

TrayIcon::~TrayIcon() {
    delete menu_;
}

bool TrayIcon::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::install() {
    state_ = TrayState();
    icon_.setIcon(frames_.at(size_t(state_.frame())));
    icon_.setToolTip(QString::fromStdString(state_.tooltip()));
    icon_.show();
}

void TrayIcon::show(bool visible) {
    if (visible != icon_.isVisible()) {
        icon_.setVisible(visible);
    }
}

void TrayIcon::tick(bool animating, const std::string& caption) {
    const TrayState::Changes changes = state_.tick(animating, caption);
    if (changes.frame) {
        icon_.setIcon(frames_.at(size_t(state_.frame())));
    }
    if (changes.tooltip) {
        icon_.setToolTip(QString::fromStdString(state_.tooltip()));
    }
}

QMenu* TrayIcon::openMenu(QPoint globalPos) {
    // A second right click while the menu is open starts it afresh.
    delete menu_;
    menu_ = SkinPopupMenu::popup(skin_, prepareMenu(MenuId::Tray, MenuContext{}), globalPos,
                                 [this](Command command) { runLater(command); });
    return menu_;
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
        case QSystemTrayIcon::DoubleClick:
            runLater(Command::TrayShow);
            break;
        case QSystemTrayIcon::Context:
            openMenu(QCursor::pos());
            break;
        default:
            break;
    }
}

void TrayIcon::runLater(Command command) {
    QMetaObject::invokeMethod(
        this, [this, command] { commands_.runCommand(command); }, Qt::QueuedConnection);
}

}  // namespace sonara::gui
