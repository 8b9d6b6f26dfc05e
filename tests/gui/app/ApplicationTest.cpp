// The program around its windows: hiding to the tray and coming back, other
// starts' files, the tray's commands with no window, the signals that end a
// run and the save on the way out.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <memory>

#include "core/app/OpenCommand.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/AppSession.h"
#include "gui/app/Application.h"
#include "gui/app/TerminationSignals.h"
#include "gui/mainwnd/MainWindow.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

struct Program {
    QTemporaryDir home;
    std::unique_ptr<AppSession> session;
    std::unique_ptr<Application> app;
    std::vector<std::string> told;
    // The setup wizard a window starts over the empty library is closed as
    // it shows: these tests are about the program around it.
    QTimer wizardCloser;

    explicit Program(const std::function<void(Preferences&)>& prepare = {}) {
        wizardCloser.setInterval(10);
        QObject::connect(&wizardCloser, &QTimer::timeout, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->windowTitle() == "Sonara Setup Wizard") {
                dialog->QDialog::done(QDialog::Rejected);
            }
        });
        wizardCloser.start();
        // Starting takes the desktop's MP3 type over: never the user's own.
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        session = std::make_unique<AppSession>(DataPaths::resolve(home.path().toStdString()),
                                               skin::defaultSkin(), skin::bundledSkins());
        session->prompter().setScript([this](const PromptRequest& request) {
            told.push_back(request.text);
            return request.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        });
        if (!session->startUp().ok()) {
            qFatal("start-up failed");
        }
        if (prepare) {
            prepare(session->prefs().values());
        }
        app = std::make_unique<Application>(*session);
    }
    ~Program() {
        if (app) {
            (void)app->shutDown();
        }
    }
    std::string song(const QString& name) {
        const std::string path = home.filePath(name).toStdString();
        testing::writeMp3(path, testing::songSpec(2));
        return path;
    }
    bool wasTold(const std::string& part) const {
        return std::any_of(told.begin(), told.end(), [&](const std::string& text) {
            return text.find(part) != std::string::npos;
        });
    }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
  private slots:
    void startingTakesTheMp3FilesOverOnlyForTheBuiltInPlayer() {
        const auto mimeApps = [](Program& program) {
            QFile file(program.home.filePath("config/mimeapps.list"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        Program outside([](Preferences& values) { values.useAsDefaultPlayer = 0; });
        outside.app->start();
        QVERIFY(!mimeApps(outside).contains("audio/mpeg=sonara.desktop;"));
        Program builtIn;
        builtIn.app->start();
        QVERIFY(mimeApps(builtIn).contains("audio/mpeg=sonara.desktop;"));
    }

    void playInHandsTheSongToTheUsersOwnPlayer() {
        Program program([](Preferences& values) {
            values.useAsDefaultPlayer = 0;
            values.playerAction = 2;
        });
        QDir(program.home.path()).mkpath("config");
        QDir(program.home.path()).mkpath("bin");
        QFile list(program.home.filePath("config/mimeapps.list"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("[Default Applications]\naudio/mpeg=audacious.desktop;\n");
        list.close();
        // A stand-in player that writes down what it was given.
        const QString player = program.home.filePath("bin/audacious");
        QFile script(player);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", program.home.filePath("bin").toUtf8() + ":" + path);
        program.app->start();

        const std::string song = program.song("It's \"a\" song; $HOME.mp3");
        QVERIFY(program.app->playInOutsidePlayer(song));
        QTRY_VERIFY(QFile::exists(player + ".args"));
        QFile args(player + ".args");
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().toStdString(), "-e|" + song + "|");
        QCOMPARE(program.app->outsidePlayerLabels().name, std::string("Audacious"));
        qputenv("PATH", path);
    }

    void hidingToTheTrayDeletesTheWindowAndTheTrayMakesANewOne() {
        Program program;
        program.app->start();
        QPointer<MainWindow> first = program.app->mainWindow();
        QVERIFY(first);

        program.app->setTrayShown(true);
        program.app->hideToTray();
        QVERIFY(program.app->mainWindow() == nullptr);
        QTRY_VERIFY(first.isNull());

        program.app->runCommand(Command::TrayShow);
        QVERIFY(program.app->mainWindow() != nullptr);
        QVERIFY(program.app->mainWindow()->isVisible());
    }

    void withoutATrayHidingMinimisesSoTheWindowStaysReachable() {
        Program program;
        program.app->start();
        program.app->setTrayShown(false);
        program.app->hideToTray();
        QVERIFY(program.app->mainWindow() != nullptr);
    }

    void anOpenWithOnlyTheTrayOpensTheWindowAndThenTheFile() {
        Program program;
        program.app->start();
        program.app->setTrayShown(true);
        program.app->hideToTray();
        QCoreApplication::processEvents();
        program.told.clear();

        const std::string path = program.song("Tray Song.mp3");
        QVERIFY(program.app->executeShellCommand(makeOpenCommand(path)));
        QVERIFY(program.app->mainWindow() != nullptr);
        QTRY_COMPARE(program.session->playList().list().count(), size_t(1));
        QCOMPARE(program.session->playList().list().at(0).path, path);
        // The window opened for a request starts no setup wizard over the
        // empty library.
        QCoreApplication::processEvents();
        QVERIFY(!program.wasTold("Setup Wizard"));
    }

    void theTraysCommandsWithNoWindowKeepPartyViewsLockDown() {
        Program program([](Preferences& values) { values.lastView = 1; });  // Party
        program.app->start();
        program.app->setTrayShown(true);
        program.app->hideToTray();
        QCoreApplication::processEvents();
        PlayList& list = program.session->playList().list();
        for (const char* name : {"One.mp3", "Two.mp3"}) {
            PlayListEntry entry;
            entry.path = program.song(name);
            entry.title = name;
            entry.state = EntryState::Unplayed;
            list.append(entry);
        }
        program.app->runCommand(Command::TrayNext);
        for (size_t row = 0; row < list.count(); ++row) {
            QVERIFY(list.at(row).state != EntryState::Current);
        }
        program.app->runCommand(Command::TrayPlay);
        QCOMPARE(list.at(0).state, EntryState::Current);
    }

    void aTerminationSignalArrivesAsAQtSignal() {
        TerminationSignals signals_;
        QVERIFY(signals_.watching());
        QSignalSpy received(&signals_, &TerminationSignals::received);
        ::raise(SIGTERM);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toInt(), int(SIGTERM));
    }

    void saveNowWritesTheLibraryWithItsPlayCounts() {
        Program program;
        program.app->start();
        const std::string path = program.song("Counted.mp3");
        const AddResult added =
            program.session->library().addSong(path, "", program.session->services().recordFactory);
        QVERIFY(added.record != nullptr);
        added.record->playCount = 7;
        program.app->saveNow();
        Library reread;
        QCOMPARE(library_file::load(program.session->paths().library, reread), LoadOutcome::Loaded);
        QCOMPARE(reread.at(size_t(0))->playCount, 7);
    }
};

SONARA_GUI_TEST(ApplicationTest)
#include "ApplicationTest.moc"
