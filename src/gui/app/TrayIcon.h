#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <string>
#include <vector>

#include "core/app/Command.h"
#include "core/mainwnd/TrayState.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class CommandTarget;

// The program's icon in the desktop's notification area: animated while
// music plays, the song as its tooltip, a left click or double click asks
// for the main window (TrayShow) and a right click opens the skinned tray
// menu, whose items go to `commands`. Commands are run from the event loop,
// after the click or the menu has finished, so a command may delete the
// window, the menu or this object. The skin, the preferences and `commands`
// must outlive this object. User-interface thread only.
class TrayIcon : public QObject {
    Q_OBJECT
  public:
    TrayIcon(SkinContext skin, CommandTarget& commands, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a notification area to show the icon in.
    static bool available();

    // Puts the icon into the notification area showing the still frame and
    // the program's name; show(false) takes it out again.
    void install();
    void show(bool visible);
    bool isShown() const { return icon_.isVisible(); }

    // One tick of the player host's timer: `animating` while playing and not
    // paused; `caption` is the play list's now-playing caption. The icon and
    // tooltip are set only when they changed.
    void tick(bool animating, const std::string& caption);

    int frame() const { return state_.frame(); }
    QString toolTip() const { return icon_.toolTip(); }
    QIcon currentIcon() const { return icon_.icon(); }
    // The menu a right click opens, at `globalPos`; null once it closed.
    QMenu* openMenu(QPoint globalPos);
    QMenu* openedMenu() const { return menu_; }
    // What a click on the icon does, as the desktop reports it.
    void activate(QSystemTrayIcon::ActivationReason reason);

  private:
    void runLater(Command command);

    SkinContext skin_;
    CommandTarget& commands_;
    TrayState state_;
    std::vector<QIcon> frames_;
    QSystemTrayIcon icon_;
    QPointer<QMenu> menu_;
};

}  // namespace sonara::gui
