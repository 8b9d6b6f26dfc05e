#include "gui/app/MprisService.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "audio/MasterVolume.h"
#include "audio/engine/PlayerHost.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/playlist/CurrentPlayList.h"
#include "gui/app/MprisAdaptors.h"
#include "gui/mainwnd/MainServices.h"

namespace sonara::gui {

namespace {

constexpr int kMaximumLevel = 65535;
constexpr int kRefreshesPerVolumeRead = 10;
const QString kBaseName = QStringLiteral("org.mpris.MediaPlayer2.sonara");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

}  // namespace

MprisService::MprisService(audio::PlayerHost& host, CurrentPlayList& playList,
                           CommandTarget& commands, ViewSource currentView, PathOpener openPath,
                           Dispatcher& dispatcher, QObject* parent)
    : QObject(parent),
      host_(host),
      playList_(playList),
      commands_(commands),
      currentView_(std::move(currentView)),
      openPath_(std::move(openPath)),
      dispatcher_(dispatcher) {
    snapshot_ = takeSnapshotNow();
}

MprisService::~MprisService() {
    if (!busName_.isEmpty() && bus_.isConnected()) {
        bus_.unregisterObject(QString::fromLatin1(kObjectPath));
        static_cast<void>(bus_.unregisterService(busName_));
    }
}

bool MprisService::start(const QDBusConnection& bus) {
    if (!bus.isConnected() || bus.interface() == nullptr || !busName_.isEmpty()) {
        return false;
    }
    bus_ = bus;
    auto* exported = new MprisExportedObject(this);
    exported_ = exported;
    new MprisRootAdaptor(exported, *this);
    new MprisPlayerAdaptor(exported, *this);
    if (!bus_.registerObject(QString::fromLatin1(kObjectPath), exported_,
                             QDBusConnection::ExportAdaptors)) {
        delete exported_;
        exported_ = nullptr;
        return false;
    }
    const QString names[] = {kBaseName, kBaseName + QStringLiteral(".instance") +
                                            QString::number(QCoreApplication::applicationPid())};
    for (const QString& name : names) {
        const auto reply =
            bus_.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                              QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            busName_ = name;
            // Only now: without a sound server it waits for the connection.
            volume_ = std::make_unique<audio::MasterVolume>(dispatcher_);
            volumeLevel_ = volume_->getVolume();
            snapshot_ = takeSnapshotNow();
            return true;
        }
    }
    bus_.unregisterObject(QString::fromLatin1(kObjectPath));
    delete exported_;
    exported_ = nullptr;
    return false;
}

const std::string& MprisService::albumOf(const std::string& path) {
    if (path == albumPath_) {
        return album_;
    }
    albumPath_ = path;
    album_.clear();
    if (library_ == nullptr) {
        return album_;
    }
    const size_t slash = path.rfind('/');
    const std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    const LibraryRecord* record = nullptr;
    if (library_->sortOrder() == SortOrder::FileName) {
        record = library_->at(library_->find(std::string(name)));
    } else {
        // Once per song, and re-sorting would move the window's list.
        for (size_t i = 0; i < library_->count() && record == nullptr; ++i) {
            if (text::equalsNoCase(library_->at(i)->fileName(), name)) {
                record = library_->at(i);
            }
        }
    }
    if (record != nullptr) {
        album_ = std::string(record->tagAlbum());
    }
    return album_;
}

MprisSnapshot MprisService::takeSnapshotNow() {
    const PlayList& list = playList_.list();
    PlayerFacts facts;
    facts.playing = host_.isPlaying();
    facts.paused = host_.isPaused();
    facts.listEmpty = list.empty();
    facts.currentRow = list.current();
    if (facts.currentRow && *facts.currentRow < list.count()) {
        facts.current = &list.at(*facts.currentRow);
        if (host_.player().fileName() == facts.current->path) {
            facts.lengthMs = host_.player().length();
        }
        facts.album = albumOf(facts.current->path);
    } else {
        facts.currentRow.reset();
    }
    facts.volumeLevel = volumeLevel_;
    facts.view = currentView_ ? currentView_() : ViewMode::Normal;
    return takeSnapshot(facts, trackIds_);
}

void MprisService::refresh() {
    if (volume_ && ++refreshesSinceVolume_ >= kRefreshesPerVolumeRead) {
        refreshesSinceVolume_ = 0;
        volumeLevel_ = volume_->getVolume();
    }
    MprisSnapshot now = takeSnapshotNow();
    if (now == snapshot_) {
        return;
    }
    const MprisSnapshot before = std::exchange(snapshot_, std::move(now));
    emitChanges(before, snapshot_);
}

void MprisService::emitChanges(const MprisSnapshot& before, const MprisSnapshot& after) {
    if (busName_.isEmpty()) {
        return;
    }
    QVariantMap changed;
    for (const std::string& name : changedProperties(before, after)) {
        if (name == "PlaybackStatus") {
            changed.insert(QString::fromStdString(name),
                           QString::fromLatin1(playbackStatusName(after.status)));
        } else if (name == "Metadata") {
            changed.insert(QString::fromStdString(name), metadata());
        } else if (name == "Volume") {
            changed.insert(QString::fromStdString(name), after.volume);
        } else {
            const bool value = name == "CanPlay"         ? after.canPlay
                               : name == "CanPause"      ? after.canPause
                               : name == "CanGoNext"     ? after.canGoNext
                               : name == "CanGoPrevious" ? after.canGoPrevious
                                                         : after.canSeek;
            changed.insert(QString::fromStdString(name), value);
        }
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    bus_.send(signal);
}

QVariantMap MprisService::metadata() const {
    QVariantMap map;
    if (!snapshot_.metadata) {
        map.insert(QStringLiteral("mpris:trackid"),
                   QVariant::fromValue(QDBusObjectPath(QString::fromLatin1(kNoTrackId))));
        return map;
    }
    const TrackMetadata& track = *snapshot_.metadata;
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(QString::fromStdString(track.trackId))));
    if (track.lengthUs > 0) {
        map.insert(QStringLiteral("mpris:length"), qlonglong(track.lengthUs));
    }
    map.insert(QStringLiteral("xesam:title"), QString::fromStdString(track.title));
    if (!track.artists.empty()) {
        QStringList artists;
        for (const std::string& artist : track.artists) {
            artists << QString::fromStdString(artist);
        }
        map.insert(QStringLiteral("xesam:artist"), artists);
    }
    if (!track.album.empty()) {
        map.insert(QStringLiteral("xesam:album"), QString::fromStdString(track.album));
    }
    map.insert(QStringLiteral("xesam:url"), QString::fromStdString(track.url));
    return map;
}

qlonglong MprisService::positionUs() const {
    if ((host_.player().state() & audio::CMMAudioPlayerX::kOpen) == 0) {
        return 0;
    }
    return qlonglong(host_.player().position()) * 1000;
}

bool MprisService::transport(MprisRequest request) {
    refresh();
    const ViewMode view = currentView_ ? currentView_() : ViewMode::Normal;
    const TransportDecision decision = decideTransport(request, snapshot_.status, view);
    if (decision.refused) {
        return false;
    }
    if (decision.command) {
        commands_.runCommand(*decision.command);
        refresh();
    }
    return true;
}

void MprisService::seekToUs(int64_t positionUs) {
    // The player's own position in milliseconds, not the engine's whole-
    // second seek: a client's slider asks for finer steps.
    host_.player().setSeekAccuracy(50);
    host_.player().setPosition(int(std::min<int64_t>(positionUs / 1000, INT32_MAX)));
    emit seeked(qlonglong(positionUs));
}

void MprisService::seek(qlonglong offsetUs) {
    refresh();
    const SeekDecision decision = decideSeek(positionUs(), offsetUs, snapshot_);
    if (decision.kind == SeekDecision::Kind::Next) {
        static_cast<void>(transport(MprisRequest::Next));
    } else if (decision.kind == SeekDecision::Kind::SeekTo) {
        seekToUs(decision.positionUs);
    }
}

void MprisService::setPosition(const QString& trackId, qlonglong positionUs) {
    refresh();
    const SeekDecision decision = decideSetPosition(trackId.toStdString(), positionUs, snapshot_);
    if (decision.kind == SeekDecision::Kind::SeekTo) {
        seekToUs(decision.positionUs);
    }
}

bool MprisService::openUri(const QString& uri) {
    const std::optional<std::string> path = pathFromFileUri(uri.toStdString());
    if (!path) {
        return false;
    }
    if (openPath_) {
        openPath_(*path);
    }
    refresh();
    return true;
}

void MprisService::setVolume(double volume) {
    if (!volume_ || !volume_->hasVolumeControl() || std::isnan(volume)) {
        return;
    }
    const int level = int(std::lround(std::clamp(volume, 0.0, 1.0) * kMaximumLevel));
    volume_->setVolume(level);
    volumeLevel_ = level;
    refresh();
}

void MprisService::raise() {
    commands_.runCommand(Command::TrayShow);
}

void MprisService::quit() {
    // After the reply has gone: the exit ends this object too.
    QMetaObject::invokeMethod(
        this, [this] { commands_.runCommand(Command::TrayExit); }, Qt::QueuedConnection);
}

}  // namespace sonara::gui
