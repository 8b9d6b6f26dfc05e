// The library's long scans under the real progress dialog (work on a thread
// of its own, Cancel pressed while it runs) and the standard file dialogs
// of adding songs and of the play list. With SONARA_SHOTS set to a folder
// the progress dialog leaves a picture of itself there per skin.
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/app/StringTable.h"
#include "core/library/Drives.h"
#include "core/library/Library.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/GuiPrompter.h"
#include "gui/app/ProgressDialog.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/mainwnd/LibraryTasks.h"
#include "gui/mainwnd/PlayListFileDialogs.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// Fixed drives whose first look-up off the user-interface thread waits
// until the test has pressed Cancel: the scan is then surely in the middle.
class GatedDrives final : public Drives {
  public:
    DriveKind kindOf(const std::string&) const override {
        if (QThread::currentThread() != qApp->thread() && !entered.exchange(true)) {
            while (!released) {
                QThread::msleep(1);
            }
        }
        return DriveKind::Fixed;
    }
    std::string labelOf(const std::string&) const override { return {}; }
    std::vector<MountedDrive> drives() const override { return {}; }

    mutable std::atomic<bool> entered{false};
    std::atomic<bool> released{false};
};

struct ScanFixture {
    QTemporaryDir home;
    PreferenceStore store{home.filePath("Sonara.ini").toStdString(), home.path().toStdString()};
    SkinRecord record;
    SkinContext context{record, store};
    std::unique_ptr<SkinSwitcher> switcher;
    GuiPrompter prompter{context};
    GatedDrives drives;
    Library library;
    SourcesList sources;
    PathCache cache;
    RecordFactory factory{nullptr, false};
    LibraryScope scope{library, sources, cache, factory, drives, prompter};

    ScanFixture() {
        (void)store.loadAll();
        store.values().dlgEffects = 0;
        switcher =
            std::make_unique<SkinSwitcher>(context, skin::defaultSkin(), skin::bundledSkins());
        switcher->startUp();
        sources.add(home.path().toStdString() + "/music/", "");
    }
    std::string song(const QString& name) {
        QDir(home.path()).mkpath("music");
        const std::string path = home.filePath("music/" + name).toStdString();
        testing::writeMp3(path, testing::songSpec(0.2));
        return path;
    }
    void knownSong(const QString& name) {
        const std::string path = song(name);
        QCOMPARE(library.addSong(path, "", factory).status, AddStatus::Added);
        cache.addFile(path);
    }
    // Presses the dialog's Cancel once the scan waits in the gate.
    void cancelWhileScanning(QDialog& shown) {
        auto* dialog = qobject_cast<ProgressDialog*>(&shown);
        QVERIFY(dialog != nullptr);
        QTRY_VERIFY(drives.entered.load());
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QVERIFY(dialog->cancelled());
        QVERIFY(dialog->isVisible());  // until the work has seen it
        drives.released = true;
    }
};

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

}  // namespace

class LibraryTasksDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cancelledUpdateKeepsTheSongsAndAddsNothing() {
        ScanFixture f;
        f.knownSong("kept.mp3");
        f.song("new.mp3");
        LibraryUpdateResult result;
        QVERIFY(test::whileModal([&] { result = runLibraryUpdate(f.scope); },
                                 [&](QDialog& dialog) { f.cancelWhileScanning(dialog); }));
        QVERIFY(!result.finished);
        QCOMPARE(result.removed, 0);
        QCOMPARE(result.added, 0);
        QCOMPARE(f.library.count(), size_t(1));
        QCOMPARE(f.library.at(0)->fileName(), std::string("kept.mp3"));
    }

    void cancelledCheckLeavesTheMarksOfUnreachedSongs() {
        ScanFixture f;
        f.knownSong("present.mp3");
        f.library.at(0)->availability = kAvailable;
        AvailabilityResult result;
        QVERIFY(test::whileModal([&] { result = checkAvailability(f.scope, false); },
                                 [&](QDialog& dialog) { f.cancelWhileScanning(dialog); }));
        QVERIFY(!result.finished);
        QCOMPARE(f.library.at(0)->availability, kAvailable);
    }

    void linesFromTheWorkerShowInEachSkin() {
        ScanFixture f;
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            const std::string name(bundled.name);
            QVERIFY(f.switcher->select(name, nullptr));
            ProgressDialog dialog(f.context, text(TextId::UpdatingLibrary), text(TextId::Scanning));
            std::atomic<bool> seen{false};
            QTimer::singleShot(0, [&] {
                QTRY_COMPARE(dialog.fileNameText(), QString("Some Artist - Some Title.mp3"));
                QCOMPARE(dialog.folderText(), QString("/music/some folder/"));
                if (!shots.isEmpty()) {
                    dialog.grab().save(QString::fromUtf8(shots) + "/progress-" +
                                       QString::fromStdString(name) + ".png");
                }
                seen = true;
            });
            const bool done = dialog.runInBackground([&](Progress& progress) {
                progress.show("Some Artist - Some Title.mp3", "/music/some folder/");
                while (!seen) {
                    QThread::msleep(1);
                }
                return true;
            });
            QVERIFY(done);
        }
    }

    void addingByFileJoinsTheFolderToTheSourcesAndChecks() {
        test::WindowSession session;
        session.start();
        QDir(session.home.path()).mkpath("picked");
        const QString song = session.home.filePath("picked/Band - Song.mp3");
        testing::writeMp3(song.toStdString(), testing::songSpec(0.2));
        LibraryTasks& tasks = session.window->libraryTasks();
        tasks.setChoosers({[&](QWidget*, const QString&) { return QStringList{song}; },
                           [](QWidget*, const QString&) { return QString(); }});
        tasks.addByFile();
        MainServices& services = session.app->services();
        QCOMPARE(services.library.count(), size_t(1));
        QVERIFY(services.sources.indexOfFolder(session.home.filePath("picked").toStdString()));
        QCOMPARE(services.library.at(0)->availability, kAvailable);
        QVERIFY(!session.told(stringText(TextId::AvailabilityCheckFinished)));
    }

    void addingSongsOffersTheMp3Filter() {
        QTemporaryDir folder;
        test::whileModal(
            [&] { (void)LibraryTasks::standardChoosers().files(nullptr, folder.path()); },
            [&](QDialog& shown) {
                auto* dialog = qobject_cast<QFileDialog*>(&shown);
                QVERIFY(dialog != nullptr);
                QCOMPARE(dialog->windowTitle(), text(TextId::AddSongsTitle));
                QCOMPARE(dialog->nameFilters(),
                         QStringList{"MP3 - MPEG Layer 3 Audio File (*.mp3 *.MP3)"});
                QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
                dialog->reject();
            });
        test::whileModal(
            [&] { (void)LibraryTasks::standardChoosers().folder(nullptr, folder.path()); },
            [&](QDialog& shown) {
                auto* dialog = qobject_cast<QFileDialog*>(&shown);
                QVERIFY(dialog != nullptr);
                QCOMPARE(dialog->windowTitle(), text(TextId::AddFolderTitle));
                QCOMPARE(dialog->directory().absolutePath(), folder.path());
                dialog->reject();
            });
    }

    void playListDialogsOfferTheirFiltersAndSuffixes() {
        QTemporaryDir folder;
        PlayListFileDialogs dialogs(nullptr, folder.path());
        test::whileModal([&] { (void)dialogs.fileToOpen(); },
                         [&](QDialog& shown) {
                             auto* dialog = qobject_cast<QFileDialog*>(&shown);
                             QVERIFY(dialog != nullptr);
                             QCOMPARE(dialog->nameFilters().size(), 4);
                             QVERIFY(dialog->nameFilters().front().startsWith("Audio Files"));
                             QCOMPARE(dialog->defaultSuffix(), QString("mp3"));
                             dialog->reject();
                         });
        test::whileModal(
            [&] { (void)dialogs.fileToSave("Sonara.snl"); },
            [&](QDialog& shown) {
                auto* dialog = qobject_cast<QFileDialog*>(&shown);
                QVERIFY(dialog != nullptr);
                QCOMPARE(dialog->nameFilters().front(), QString("SN Play List File (*.snl)"));
                QCOMPARE(dialog->defaultSuffix(), QString("snl"));
                QCOMPARE(dialog->selectedFiles(), QStringList{folder.filePath("Sonara.snl")});
                dialog->reject();
            });
    }

    void replacingAPlayListAsksFirst() {
        QTemporaryDir folder;
        const QString existing = folder.filePath("Mine.snl");
        { std::ofstream(existing.toStdString()) << "/old/song.mp3\r\n"; }
        PlayListFileDialogs dialogs(nullptr, folder.path());
        std::optional<std::string> chosen;
        bool asked = false;
        test::whileModal([&] { chosen = dialogs.fileToSave("Sonara.snl"); },
                         [&](QDialog& shown) {
                             auto* dialog = qobject_cast<QFileDialog*>(&shown);
                             QVERIFY(dialog != nullptr);
                             // selectFile() leaves a focused name field alone, and focus
                             // arrives whenever the window manager gets to it: type instead.
                             auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                             QVERIFY(name != nullptr);
                             name->setText("Mine.snl");
                             test::whileModal([&] { static_cast<QDialog*>(dialog)->accept(); },
                                              [&](QDialog& question) {
                                                  auto* box = qobject_cast<QMessageBox*>(&question);
                                                  QVERIFY(box != nullptr);
                                                  asked = true;
                                                  box->button(QMessageBox::No)->click();
                                              });
                             QVERIFY(dialog->isVisible());  // No keeps the dialog open
                             dialog->reject();
                         });
        QVERIFY(asked);
        QVERIFY(!chosen);
        QCOMPARE(std::filesystem::file_size(existing.toStdString()), uintmax_t(15));
    }
};

SONARA_GUI_TEST(LibraryTasksDialogTest)
#include "LibraryTasksDialogTest.moc"
