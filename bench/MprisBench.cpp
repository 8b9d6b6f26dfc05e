#include "MprisBench.h"

#include <signal.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "PlaybackBench.h"
#include "ResultTable.h"
#include "audio/engine/PlayerHost.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "core/app/DataPaths.h"
#include "core/playlist/CurrentPlayList.h"
#include "gui/app/AppSession.h"
#include "gui/app/MprisService.h"
#include "gui/mainwnd/MainServices.h"
#include "skin/DefaultSkin.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 21;

// The tray's routing without a window: straight to the host.
class HostCommands final : public gui::CommandTarget {
  public:
    explicit HostCommands(audio::PlayerHost& host) : host_(host) {}
    void runCommand(Command command) override { host_.command(command); }

  private:
    audio::PlayerHost& host_;
};

// A session bus of the bench's own, stopped when this ends.
class PrivateBus {
  public:
    PrivateBus() {
        QProcess daemon;
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--fork"),
                      QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1")});
        if (!daemon.waitForFinished(5000) || daemon.exitCode() != 0) {
            return;
        }
        const QStringList lines =
            QString::fromUtf8(daemon.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        if (lines.size() >= 2) {
            address = lines.at(0).trimmed();
            pid_ = lines.at(1).trimmed().toLongLong();
        }
    }
    ~PrivateBus() {
        if (pid_ > 0) {
            ::kill(pid_t(pid_), SIGTERM);
        }
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString address;

  private:
    qint64 pid_ = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

void runMprisBench(ResultTable& table) {
    if (audio::pulse::PulseOutputFactory().deviceName(0).empty()) {
        std::printf(
            "(media-control bench skipped: no sound server; run it through "
            "scripts/with-pulse)\n");
        return;
    }
    static int argc = 1;
    static char name[] = "sonara-bench";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const PrivateBus bus;
    // The named connections must not outlive this application object.
    struct Disconnect {
        ~Disconnect() {
            QDBusConnection::disconnectFromBus(QStringLiteral("client"));
            QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        }
    } const disconnect;
    if (bus.address.isEmpty()) {
        std::printf("(media-control bench skipped: no dbus-daemon)\n");
        return;
    }
    const testing::TempDir home;
    const std::string song = makeBenchSong(home);
    gui::AppSession session(DataPaths::resolve(home.file("data")), skin::defaultSkin(),
                            skin::bundledSkins());
    session.prompter().setScript([](const gui::PromptRequest&) { return Answer::Cancel; });
    if (const Status started = session.startUp(); !started) {
        std::printf("(media-control bench: start-up failed: %s)\n", started.error().c_str());
        return;
    }
    PlayListEntry entry;
    entry.path = song;
    entry.title = "Bench";
    entry.state = EntryState::Unplayed;
    session.playList().list().append(entry);

    HostCommands commands(session.player());
    gui::MprisService service(
        session.player(), session.playList(), commands, [] { return ViewMode::Normal; },
        [](const std::string&) {}, session.dispatcher());
    if (!service.start(QDBusConnection::connectToBus(bus.address, QStringLiteral("service")))) {
        std::printf("(media-control bench: the service could not claim its name)\n");
        return;
    }
    QDBusConnection client = QDBusConnection::connectToBus(bus.address, QStringLiteral("client"));

    Clock::time_point startedAt;
    bool started = false;
    auto onStarted = session.player().player().onStarted;
    session.player().player().onStarted = [&] {
        startedAt = Clock::now();
        started = true;
        onStarted();
    };
    // Runs `send` and waits for the started event; milliseconds, or a
    // negative value when it never came.
    auto timeToStart = [&](const std::function<void()>& send) {
        started = false;
        const Clock::time_point begin = Clock::now();
        send();
        while (!started && Clock::now() - begin < std::chrono::seconds(5)) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        const double ms =
            started ? std::chrono::duration<double, std::milli>(startedAt - begin).count() : -1;
        commands.runCommand(Command::TrayStop);
        QApplication::processEvents();
        return ms;
    };

    std::vector<double> overBus;
    std::vector<double> direct;
    QDBusMessage playPause = QDBusMessage::createMethodCall(
        service.busName(), QString::fromLatin1(gui::MprisService::kObjectPath),
        QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("PlayPause"));
    for (int i = 0; i < kRuns; ++i) {
        // Alternating, so that neither has the warm caches to itself.
        const double viaBus = timeToStart([&] { client.asyncCall(playPause); });
        const double own = timeToStart([&] { commands.runCommand(Command::TrayPlay); });
        if (viaBus < 0 || own < 0) {
            std::printf("(media-control bench: the song would not start)\n");
            return;
        }
        overBus.push_back(viaBus);
        direct.push_back(own);
    }
    table.add({"media-control PlayPause to the started event (median)", median(overBus),
               median(direct), "ms", "the host's own Play to the same event", std::nullopt, 50.0,
               "target"});
    session.player().stopIfOpen();
    static_cast<void>(session.shutDown());
}

}  // namespace sonara::bench
