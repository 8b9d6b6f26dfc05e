// The tray icon as far as the offscreen platform allows: the picture and
// tooltip following the ticks, clicks asking for the window, and the menu's
// items reaching the command target once the menu has finished.
#include <QMenu>
#include <QtTest>
#include <vector>

#include "gui/app/TrayIcon.h"
#include "gui/mainwnd/MainServices.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

class RecordingTarget : public CommandTarget {
  public:
    std::vector<Command> commands;
    void runCommand(Command command) override { commands.push_back(command); }
};

QAction* actionNamed(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

class TrayIconTest : public QObject {
    Q_OBJECT
  private slots:
    void pictureAndTooltipFollowTheTicks() {
        test::SkinWidgetFixture fixture;
        RecordingTarget target;
        TrayIcon tray(fixture.context(), target);
        tray.install();
        QCOMPARE(tray.toolTip(), QString("Sonara"));
        const QImage still = tray.currentIcon().pixmap(22, 22).toImage();
        tray.tick(true, "Artist - Song");
        QCOMPARE(tray.frame(), 1);
        QCOMPARE(tray.toolTip(), QString("Artist - Song"));
        QVERIFY(tray.currentIcon().pixmap(22, 22).toImage() != still);
        for (int i = 0; i < 15; ++i) {
            tray.tick(true, "Artist - Song");
        }
        QCOMPARE(tray.frame(), 0);
        QCOMPARE(tray.currentIcon().pixmap(22, 22).toImage(), still);
        tray.tick(true, std::string(80, 'x'));
        QCOMPARE(tray.toolTip(), QString(64, 'x'));
        tray.tick(false, "");
        QCOMPARE(tray.frame(), 0);
        QCOMPARE(tray.toolTip(), QString("Sonara"));
    }

    void clicksAskForTheWindowAfterTheClick() {
        test::SkinWidgetFixture fixture;
        RecordingTarget target;
        TrayIcon tray(fixture.context(), target);
        tray.activate(QSystemTrayIcon::Trigger);
        tray.activate(QSystemTrayIcon::DoubleClick);
        tray.activate(QSystemTrayIcon::MiddleClick);
        QVERIFY(target.commands.empty());
        QCoreApplication::processEvents();
        QCOMPARE(target.commands, std::vector<Command>({Command::TrayShow, Command::TrayShow}));
    }

    void theMenuHoldsTheTransportAndItsItemsReachTheTarget() {
        test::SkinWidgetFixture fixture;
        RecordingTarget target;
        TrayIcon tray(fixture.context(), target);
        QMenu* menu = tray.openMenu(QPoint(10, 10));
        QVERIFY(menu != nullptr);
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
            }
        }
        QCOMPARE(texts, QStringList({"Show Sonara", "About Sonara", "Previous", "Play", "Pause",
                                     "Stop", "Next", "Exit"}));
        // A second right click replaces the open menu rather than stacking one.
        QMenu* again = tray.openMenu(QPoint(12, 12));
        QVERIFY(again != nullptr);
        QCOMPARE(tray.openedMenu(), again);
        actionNamed(again, "Next")->trigger();
        again->close();
        QTRY_VERIFY(tray.openedMenu() == nullptr);
        QCOMPARE(target.commands, std::vector<Command>({Command::TrayNext}));
    }

    void aCommandStillQueuedWhenTheIconGoesIsDropped() {
        test::SkinWidgetFixture fixture;
        RecordingTarget target;
        {
            TrayIcon tray(fixture.context(), target);
            tray.activate(QSystemTrayIcon::Trigger);
        }
        QCoreApplication::processEvents();
        QVERIFY(target.commands.empty());
    }
};

SONARA_GUI_TEST(TrayIconTest)
#include "TrayIconTest.moc"
