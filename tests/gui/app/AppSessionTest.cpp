// The application's state across a run: the opening order's damage reports,
// the closing order's saves, and a start without a sound server.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "audio/engine/PlayerHost.h"
#include "core/library/LibraryFile.h"
#include "core/playlist/CurrentPlayList.h"
#include "gui/app/AppSession.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

class YesToAll final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }
};

std::unique_ptr<LibraryRecord> record(const std::string& fileName) {
    auto made = std::make_unique<LibraryRecord>();
    made->setFileName(fileName);
    made->setArtist("Band");
    made->setTitle(fileName);
    return made;
}

// A library file of `count` records, its last one cut in half.
void writeCutLibrary(const std::string& path, int count) {
    Library library;
    for (int i = 0; i < count; ++i) {
        library.append(record("Song " + std::to_string(i) + ".mp3"));
    }
    YesToAll yes;
    QVERIFY(library_file::save(path, library, yes).ok());
    QFile file(QString::fromStdString(path));
    const qint64 whole = file.size();
    QVERIFY(file.resize(whole - 20));
}

// About a second of silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz).
void writeSilentMp3(const QString& path) {
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x00);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 40; ++i) {
        file.write(frame);
    }
}

struct Session {
    QTemporaryDir home;
    DataPaths paths = DataPaths::resolve(home.path().toStdString());
    std::unique_ptr<AppSession> app;
    std::vector<PromptRequest> seen;

    void start() {
        app = std::make_unique<AppSession>(paths, skin::defaultSkin(), skin::bundledSkins());
        app->prompter().setScript([this](const PromptRequest& request) {
            seen.push_back(request);
            return Answer::Yes;
        });
        QVERIFY(app->startUp().ok());
    }
    bool told(const std::string& part) const {
        for (const PromptRequest& request : seen) {
            if (request.text.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace

class AppSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void aDamagedLibraryIsReportedKeptAndSavedAtShutDown() {
        Session session;
        QVERIFY(session.paths.ensureFolders().ok());
        writeCutLibrary(session.paths.library, 3);
        session.start();
        QVERIFY(session.told(session.paths.library + " is damaged"));
        QCOMPARE(session.seen.size(), size_t(1));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.library + ".damaged")));
        Library& library = session.app->library();
        QCOMPARE(library.count(), size_t(2));  // the records before the cut

        library.append(record("Added.mp3"));
        PlayListEntry entry;
        entry.path = "/music/Added.mp3";
        entry.title = "Added";
        session.app->playList().list().append(entry);
        QVERIFY(session.app->shutDown().ok());
        session.app.reset();

        session.seen.clear();
        session.start();
        QVERIFY(session.seen.empty());  // whole files now
        QCOMPARE(session.app->library().count(), size_t(3));
        QCOMPARE(session.app->playList().list().count(), size_t(1));
        QCOMPARE(session.app->playList().list().at(0).path, std::string("/music/Added.mp3"));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.preferences)));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.sources)));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.pathCache)));
    }

    void aFailedSaveIsShownAndTheOtherFilesAreStillSaved() {
        Session session;
        session.start();
        // A folder where the library file should go: no file can replace it.
        QVERIFY(QDir().mkpath(QString::fromStdString(session.paths.library)));
        const Status closed = session.app->shutDown();
        QVERIFY(!closed);
        QVERIFY(session.told(session.paths.library));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.currentPlayList)));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.pathCache)));
        QVERIFY(QFile::exists(QString::fromStdString(session.paths.preferences)));
    }

    void aDataFolderThatCannotBeMadeStopsTheStart() {
        QTemporaryDir home;
        QFile blocker(home.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AppSession app(DataPaths::resolve(home.filePath("file/sonara").toStdString()),
                       skin::defaultSkin(), skin::bundledSkins());
        const Status started = app.startUp();
        QVERIFY(!started);
        QVERIFY(started.error().starts_with("Sonara was unable to initialize."));
    }

    void aSongPlaysToItsEndThroughTheQtEventLoop() {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
            QSKIP("needs the private sound server of scripts/run-tests");
        }
        Session session;
        session.start();
        const QString song = session.home.filePath("Silence.mp3");
        writeSilentMp3(song);
        PlayListEntry entry;
        entry.path = song.toStdString();
        entry.title = "Silence";
        entry.state = EntryState::Unplayed;
        PlayList& list = session.app->playList().list();
        list.append(entry);
        audio::PlayerHost& player = session.app->player();
        player.command(Command::TrayPlay);
        QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying(), 5000);
        // The end arrives from the player's thread through the dispatcher.
        QTRY_COMPARE_WITH_TIMEOUT(int(list.at(0).state), int(EntryState::Played), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 5000);
        QVERIFY(session.app->shutDown().ok());
    }

    void withoutASoundServerItStartsAndPlayReportsTheDevice() {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/sonara-test/native");
        Session session;
        session.start();
        const QString song = session.home.filePath("Silence.mp3");
        writeSilentMp3(song);
        MainServices& services = session.app->services();
        Status played = services.player.open(song.toStdString());
        if (played) {
            played = services.player.play();
        }
        QVERIFY(!played);
        QVERIFY(played.kind() == ErrorKind::Device);
        QVERIFY(!session.seen.empty());  // the user was told
        QVERIFY(session.app->shutDown().ok());
        qputenv("PULSE_SERVER", server);
    }
};

SONARA_GUI_TEST(AppSessionTest)
#include "AppSessionTest.moc"
