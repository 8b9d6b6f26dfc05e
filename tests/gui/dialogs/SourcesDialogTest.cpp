// The sources dialog as "Sources..." opens it: adding and deleting folders
// reach the sources file at once, closing without a change leaves it alone,
// and a folder gone from the disk is handled. With SONARA_SOURCES_SHOTS set
// to a folder it leaves a picture of itself there per bundled skin.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QtTest>
#include <functional>

#include "core/library/Library.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/ProgressDialog.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/sources/SourcesDialog.h"
#include "gui/dialogs/sources/SourcesDialogs.h"
#include "gui/skin/SkinCaptionButton.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::WindowSession;

namespace {

QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<SourceFolder> savedSources(const WindowSession& session) {
    SourcesList list;
    (void)sources_file::load(session.paths.sources, list);
    return list.entries();
}

// Opens the dialog as the menu does, with `chosen` as the browser's answer,
// and lets `act` work it; the dialog is closed with "Close" afterwards.
void withSourcesDialog(WindowSession& session, const std::function<QString()>& chosen,
                       const std::function<void(SourcesDialog&)>& act) {
    SourcesDialogs family(*session.window);
    family.setFolderChooser([&](QWidget*, const QString&) { return chosen(); });
    QVERIFY(test::whileModal([&] { QVERIFY(family.run(Command::Sources)); },
                             [&](QDialog& shown) {
                                 auto& dialog = static_cast<SourcesDialog&>(shown);
                                 act(dialog);
                                 dialog.closeButton()->click();
                             }));
}

}  // namespace

class SourcesDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void addAndDeleteReachTheSourcesFileAtOnce() {
        WindowSession session;
        session.start();
        session.addSongs(2);
        const QString music = session.home.filePath("Music");
        QVERIFY(QDir().mkpath(music));
        withSourcesDialog(
            session, [&] { return music; },
            [&](SourcesDialog& dialog) {
                QVERIFY(!dialog.deleteButton()->isEnabled());  // nothing to delete yet
                dialog.addButton()->click();
                QCOMPARE(dialog.list()->count(), 1);
                QCOMPARE(dialog.list()->currentItem()->text(), music + "/");
                QVERIFY(dialog.deleteButton()->isEnabled());
                dialog.addButton()->click();  // the same folder again
                QVERIFY(session.told("You have added this folder previously"));
                QCOMPARE(dialog.list()->count(), 1);
            });
        std::vector<SourceFolder> saved = savedSources(session);
        QCOMPARE(saved.size(), size_t(1));
        QCOMPARE(QString::fromStdString(saved[0].folder), music + "/");
        QCOMPARE(saved[0].userAdded, 1);
        QCOMPARE(saved[0].mediaName, std::string());
        // The browser's folder is remembered for next time, on disk too.
        PreferenceStore reread(session.paths.preferences, session.paths.programFolder);
        QVERIFY(reread.loadAll().ok());
        QCOMPARE(QString::fromStdString(reread.values().lastUsedFolder), music + "/");
        // Sources are not scanned here: the library keeps its songs.
        QCOMPARE(session.app->library().count(), size_t(2));

        withSourcesDialog(
            session, [] { return QString(); },
            [&](SourcesDialog& dialog) {
                dialog.list()->setCurrentRow(0);
                dialog.deleteButton()->click();  // at once, without a question
                QCOMPARE(dialog.list()->count(), 0);
                QVERIFY(!dialog.deleteButton()->isEnabled());
            });
        QVERIFY(session.seen.size() == 1);  // only the "added previously" message
        QVERIFY(savedSources(session).empty());
        QCOMPARE(session.app->library().count(), size_t(2));
    }

    void closingUnchangedLeavesTheSourcesFileAsItWas() {
        WindowSession session;
        session.start([](AppSession& app) {
            (void)app.services().sources.add("/srv/music/", "", 1);
            (void)app.services().sources.add("/media/cd/", "Disc 1");
        });
        session.app->saveDataFiles();
        const QByteArray before = fileBytes(session.paths.sources);
        QVERIFY(!before.isEmpty());
        withSourcesDialog(
            session, [] { return QString(); },
            [](SourcesDialog& dialog) {
                QCOMPARE(dialog.list()->count(), 2);
                QCOMPARE(dialog.list()->currentRow(), 0);
                dialog.addButton()->click();  // the browser is cancelled
            });
        // From the menu, as the user opens it, and left with Esc.
        QVERIFY(
            test::whileModal([&] { session.window->runCommand(Command::Sources); },
                             [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }));
        QVERIFY(session.seen.empty());
        QCOMPARE(fileBytes(session.paths.sources), before);
    }

    void aFolderGoneFromTheDiskIsRefusedOrDeleted() {
        WindowSession session;
        const QString gone = session.home.filePath("gone");  // never made
        session.start([&](AppSession& app) {
            (void)app.services().sources.add(gone.toStdString() + "/", "", 1);
        });
        withSourcesDialog(
            session, [&] { return gone; },
            [&](SourcesDialog& dialog) {
                dialog.addButton()->click();  // the browser's folder went before the add
                QVERIFY(session.told("Unable to find " + gone.toStdString()));
                dialog.deleteButton()->click();  // a listed source that has gone
                QCOMPARE(dialog.list()->count(), 0);
            });
        QVERIFY(savedSources(session).empty());
    }

    void looksRightInEachSkin() {
        const QByteArray shots = qgetenv("SONARA_SOURCES_SHOTS");
        WindowSession session;
        session.start([](AppSession& app) {
            (void)app.services().sources.add("/home/user/Music/", "", 1);
            (void)app.services().sources.add("/srv/share/Collection of many albums/", "", 1);
            (void)app.services().sources.add("/media/usb/", "Disc 1");
        });
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            QVERIFY(session.app->skinSwitcher().select(std::string(bundled.name), nullptr));
            withSourcesDialog(
                session, [] { return QString(); },
                [&](SourcesDialog& dialog) {
                    QTRY_VERIFY(!dialog.isAnimating());
                    QCOMPARE(dialog.list()->count(), 3);
                    QVERIFY(dialog.width() <= 1366 && dialog.height() <= 768);
                    if (!shots.isEmpty()) {
                        dialog.grab().save(
                            QString::fromUtf8(shots) + "/sources-" +
                            QString::fromUtf8(bundled.name.data(), qsizetype(bundled.name.size())) +
                            ".png");
                    }
                });
            if (!shots.isEmpty()) {  // the progress dialog of the scans, for looking at
                ProgressDialog progress(session.app->services().skin, "Updating Library",
                                        "...scanning...");
                progress.QDialog::show();
                QVERIFY(QTest::qWaitForWindowExposed(&progress));
                QTRY_VERIFY(!progress.isAnimating());
                progress.show("Artist 1 - Title 1.mp3", "/home/user/Music/Albums/");
                progress.grab().save(
                    QString::fromUtf8(shots) + "/progress-" +
                    QString::fromUtf8(bundled.name.data(), qsizetype(bundled.name.size())) +
                    ".png");
            }
        }
    }
};

SONARA_GUI_TEST(SourcesDialogTest)
#include "SourcesDialogTest.moc"
