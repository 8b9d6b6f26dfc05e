// Outside players started without a shell: the path reaches the program as
// one argument, untouched, and a program that is not there is a failure.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/app/QtProcessLauncher.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

class QtProcessLauncherTest : public QObject {
    Q_OBJECT
  private slots:
    void theArgumentArrivesWholeAndUninterpreted() {
        QTemporaryDir dir;
        const std::string out = dir.filePath("out").toStdString();
        const std::string path = "/music/a b;$(touch " + out + ".bad) \"c\".mp3";
        QtProcessLauncher launcher;
        const Status started = launcher.startDetached(
            {"sh", "-c", "printf %s \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"", "sh", path, out});
        QVERIFY(started.ok());
        QTRY_VERIFY(QFile::exists(QString::fromStdString(out)));
        QFile written(QString::fromStdString(out));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().toStdString(), path);
        QVERIFY(!QFile::exists(QString::fromStdString(out + ".bad")));
    }

    void aProgramThatIsNotThereFails() {
        QtProcessLauncher launcher;
        QVERIFY(!launcher.startDetached({"/nonexistent/sonara-player", "/x.mp3"}).ok());
        QVERIFY(!launcher.startDetached({}).ok());
    }
};

SONARA_GUI_TEST(QtProcessLauncherTest)
#include "QtProcessLauncherTest.moc"
