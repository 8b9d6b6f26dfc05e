// The media-player service on a private session bus, called as a desktop's
// media controls call it: from another connection, without blocking the
// thread that serves it.
#include <signal.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#include "audio/engine/PlayerHost.h"
#include "core/mainwnd/PartyLock.h"
#include "core/playlist/CurrentPlayList.h"
#include "gui/app/AppSession.h"
#include "gui/app/MprisService.h"
#include "gui/mainwnd/MainServices.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// The application's routing, in small: the Party lock, then the host.
class Commands final : public CommandTarget {
  public:
    explicit Commands(audio::PlayerHost& host) : host_(host) {}
    void runCommand(Command command) override {
        ran.push_back(command);
        if (isCommandAllowed(command, view)) {
            host_.command(command);
        }
    }
    ViewMode view = ViewMode::Normal;
    std::vector<Command> ran;

  private:
    audio::PlayerHost& host_;
};

}  // namespace

class MprisServiceTest : public QObject {
    Q_OBJECT
  private:
    QString address_;
    qint64 busPid_ = 0;
    int connections_ = 0;

    QDBusConnection connect(const QString& role) {
        return QDBusConnection::connectToBus(address_, role + QString::number(++connections_));
    }

    // A call answered while this thread goes on serving the service.
    static QDBusMessage call(QDBusConnection& client, const QString& service,
                             const QString& interface, const QString& method,
                             const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            service, QString::fromLatin1(MprisService::kObjectPath), interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = client.asyncCall(message, 5000);
        const QDeadlineTimer deadline(6000);
        while (!pending.isFinished() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return pending.reply();
    }

    static QVariant property(QDBusConnection& client, const QString& service, const QString& name) {
        const QDBusMessage reply =
            call(client, service, kProperties, QStringLiteral("Get"), {kPlayer, name});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return {};
        }
        return reply.arguments().at(0).value<QDBusVariant>().variant();
    }

    static QVariantMap metadata(QDBusConnection& client, const QString& service) {
        return qdbus_cast<QVariantMap>(
            property(client, service, QStringLiteral("Metadata")).value<QDBusArgument>());
    }

    struct Player {
        QTemporaryDir home;
        std::unique_ptr<AppSession> app;
        std::unique_ptr<Commands> commands;
        std::unique_ptr<MprisService> service;
        std::vector<std::string> opened;

        Player() {
            app = std::make_unique<AppSession>(DataPaths::resolve(home.path().toStdString()),
                                               skin::defaultSkin(), skin::bundledSkins());
            app->prompter().setScript([](const PromptRequest&) { return Answer::Yes; });
            if (!app->startUp().ok()) {
                return;
            }
            commands = std::make_unique<Commands>(app->player());
            service = std::make_unique<MprisService>(
                app->player(), app->playList(), *commands, [this] { return commands->view; },
                [this](const std::string& path) { opened.push_back(path); }, app->dispatcher());
            service->setLibrary(&app->library());
        }
        ~Player() {
            service.reset();
            app->player().stopIfOpen();
        }
        void addSong(const std::string& title) {
            PlayListEntry entry;
            entry.path = home.filePath(QString::fromStdString(title + ".mp3")).toStdString();
            entry.title = title;
            entry.artist = "Alpha Band";
            entry.state = EntryState::Unplayed;
            testing::writeMp3(entry.path, testing::songSpec(20));
            app->playList().list().append(std::move(entry));
        }
    };

    // The service on the bus; its name, empty when it could not start.
    QString startService(Player& player) {
        return player.service->start(connect(QStringLiteral("service"))) ? player.service->busName()
                                                                         : QString();
    }

  private slots:
    void initTestCase() {
        QProcess daemon;
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--fork"),
                      QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1")});
        if (!daemon.waitForFinished(5000) || daemon.exitCode() != 0) {
            QSKIP("no dbus-daemon to run a private session bus");
        }
        const QStringList lines =
            QString::fromUtf8(daemon.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 2);
        address_ = lines.at(0).trimmed();
        busPid_ = lines.at(1).trimmed().toLongLong();
    }

    void cleanupTestCase() {
        if (busPid_ > 0) {
            ::kill(pid_t(busPid_), SIGTERM);
        }
    }

    void metadataFollowsTheSongAndPlayPauseTogglesIt() {
        Player player;
        QVERIFY(player.service);
        player.addSong("First Light");
        player.addSong("Second Wind");
        const QString name = startService(player);
        QCOMPARE(name, QStringLiteral("org.mpris.MediaPlayer2.sonara"));

        QDBusConnection client = connect(QStringLiteral("client"));
        QVERIFY(client.connect(name, QString::fromLatin1(MprisService::kObjectPath), kProperties,
                               QStringLiteral("PropertiesChanged"), this,
                               SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
        changedNames_.clear();

        QCOMPARE(metadata(client, name)
                     .value(QStringLiteral("mpris:trackid"))
                     .value<QDBusObjectPath>()
                     .path(),
                 QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));

        QDBusMessage reply = call(client, name, kPlayer, QStringLiteral("PlayPause"));
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QVERIFY(player.app->player().isPlaying());
        QCOMPARE(property(client, name, QStringLiteral("PlaybackStatus")).toString(),
                 QStringLiteral("Playing"));
        QVariantMap song = metadata(client, name);
        QCOMPARE(song.value(QStringLiteral("xesam:title")).toString(),
                 QStringLiteral("First Light"));
        QCOMPARE(song.value(QStringLiteral("xesam:artist")).toStringList(),
                 QStringList{QStringLiteral("Alpha Band")});
        QVERIFY(song.value(QStringLiteral("xesam:url")).toString().endsWith("/First%20Light.mp3"));
        QVERIFY(song.value(QStringLiteral("mpris:length")).toLongLong() > 19'000'000);
        const QString firstId =
            song.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
        QVERIFY(firstId.startsWith(QStringLiteral("/org/sonara/track/")));
        QTRY_VERIFY(changedNames_.contains(QStringLiteral("PlaybackStatus")));
        QVERIFY(changedNames_.contains(QStringLiteral("Metadata")));

        call(client, name, kPlayer, QStringLiteral("PlayPause"));
        QVERIFY(player.app->player().isPaused());
        QCOMPARE(property(client, name, QStringLiteral("PlaybackStatus")).toString(),
                 QStringLiteral("Paused"));
        call(client, name, kPlayer, QStringLiteral("Play"));  // unpauses
        QVERIFY(player.app->player().isPlaying() && !player.app->player().isPaused());

        QVERIFY(client.connect(name, QString::fromLatin1(MprisService::kObjectPath), kPlayer,
                               QStringLiteral("Seeked"), this, SLOT(seeked(qlonglong))));
        call(client, name, kPlayer, QStringLiteral("Seek"), {qlonglong(5'000'000)});
        QTRY_VERIFY(seekedTo_ >= 5'000'000);
        QTRY_VERIFY(player.app->player().player().position() >= 5'000);

        call(client, name, kPlayer, QStringLiteral("Next"));
        song = metadata(client, name);
        QCOMPARE(song.value(QStringLiteral("xesam:title")).toString(),
                 QStringLiteral("Second Wind"));
        QVERIFY(song.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path() !=
                firstId);

        // A position for the song that has gone is stale and ignored.
        call(client, name, kPlayer, QStringLiteral("SetPosition"),
             {QVariant::fromValue(QDBusObjectPath(firstId)), qlonglong(15'000'000)});
        QVERIFY(player.app->player().player().position() < 10'000);

        reply = call(client, name, kPlayer, QStringLiteral("OpenUri"),
                     {QStringLiteral("http://example.org/a.mp3")});
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        call(client, name, kPlayer, QStringLiteral("OpenUri"),
             {QStringLiteral("file:///music/a%20b.mp3")});
        QCOMPARE(player.opened, std::vector<std::string>{"/music/a b.mp3"});
    }

    void partyViewRefusesWhatItsLockRefuses() {
        Player player;
        QVERIFY(player.service);
        player.addSong("First Light");
        player.addSong("Second Wind");
        const QString name = startService(player);
        QDBusConnection client = connect(QStringLiteral("client"));
        player.commands->view = ViewMode::Party;

        QCOMPARE(call(client, name, kPlayer, QStringLiteral("Play")).type(),
                 QDBusMessage::ReplyMessage);
        QVERIFY(player.app->player().isPlaying());
        const size_t ran = player.commands->ran.size();
        for (const char* method : {"Pause", "PlayPause", "Stop", "Next", "Previous"}) {
            const QDBusMessage reply = call(client, name, kPlayer, QString::fromLatin1(method));
            QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
            QCOMPARE(reply.errorName(), QString::fromLatin1(MprisService::kRefusedError));
        }
        QCOMPARE(player.commands->ran.size(), ran);  // nothing reached the player
        QVERIFY(player.app->player().isPlaying() && !player.app->player().isPaused());
        QCOMPARE(property(client, name, QStringLiteral("CanGoNext")).toBool(), false);
        QCOMPARE(metadata(client, name).value(QStringLiteral("xesam:title")).toString(),
                 QStringLiteral("First Light"));
    }

    void aTakenNameGetsTheInstanceSuffix() {
        QDBusConnection other = connect(QStringLiteral("other"));
        QVERIFY(other.registerService(QStringLiteral("org.mpris.MediaPlayer2.sonara")));
        Player player;
        QVERIFY(player.service);
        QVERIFY(player.service->start(connect(QStringLiteral("service"))));
        QCOMPARE(player.service->busName(),
                 QStringLiteral("org.mpris.MediaPlayer2.sonara.instance") +
                     QString::number(QCoreApplication::applicationPid()));
        QDBusConnection client = connect(QStringLiteral("client"));
        QCOMPARE(call(client, player.service->busName(), QStringLiteral("org.mpris.MediaPlayer2"),
                      QStringLiteral("Raise"))
                     .type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(player.commands->ran, std::vector<Command>{Command::TrayShow});
        QVERIFY(other.unregisterService(QStringLiteral("org.mpris.MediaPlayer2.sonara")));

        // No bus: no service, and nothing else happens.
        Player alone;
        QVERIFY(!alone.service->start(
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "none")));
        QVERIFY(alone.service->busName().isEmpty());
    }

  public slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList&) {
        if (interface == kPlayer) {
            changedNames_ << changed.keys();
        }
    }

    void seeked(qlonglong positionUs) { seekedTo_ = positionUs; }

  private:
    QStringList changedNames_;
    qlonglong seekedTo_ = -1;
};

SONARA_GUI_TEST(MprisServiceTest)
#include "MprisServiceTest.moc"
