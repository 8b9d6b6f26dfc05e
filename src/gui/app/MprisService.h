#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <string>

#include "core/mainwnd/MprisModel.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {
class CurrentPlayList;
class Dispatcher;
class Library;
namespace audio {
class MasterVolume;
class PlayerHost;
}  // namespace audio
}  // namespace sonara

namespace sonara::gui {

class CommandTarget;

// The player on the session bus as a freedesktop media player
// (org.mpris.MediaPlayer2 and its Player interface on /org/mpris/
// MediaPlayer2), so that media keys, desktop widgets and phones reach it.
// Transport requests go to `commands` as the tray's commands, so the
// window's routing and the Party lock apply; what the lock refuses is
// answered with a D-Bus error and does nothing.
//
// Borrows the host, the play list and the command target, which must
// outlive it. Once on the bus it owns a MasterVolume for the Volume
// property: start it before the main window opens, whose volume panel then
// takes the master volume's change notices.
// User-interface thread only.
class MprisService final : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* kRefusedError = "org.mpris.MediaPlayer2.sonara.Refused";

    using ViewSource = std::function<ViewMode()>;
    using PathOpener = std::function<void(const std::string& path)>;

    MprisService(audio::PlayerHost& host, CurrentPlayList& playList, CommandTarget& commands,
                 ViewSource currentView, PathOpener openPath, Dispatcher& dispatcher,
                 QObject* parent = nullptr);
    ~MprisService() override;

    // Claims org.mpris.MediaPlayer2.sonara on `bus`, or, when another
    // program holds it, the name with ".instance<pid>". False, with nothing
    // shown, when the bus is not connected or neither name can be had: the
    // program runs on without media keys.
    bool start(const QDBusConnection& bus = QDBusConnection::sessionBus());
    // The name claimed; empty before start() or when it failed.
    const QString& busName() const { return busName_; }

    // Where the current entry's album is looked up (the play list keeps
    // none); borrowed, may be absent.
    void setLibrary(const Library* library) { library_ = library; }

    // Takes a snapshot and tells the bus what changed; the application calls
    // it on each host tick, and every request calls it after it ran.
    void refresh();

    // For the adaptors: the values they report and the requests they pass on.
    const MprisSnapshot& snapshot() const { return snapshot_; }
    QVariantMap metadata() const;
    qlonglong positionUs() const;
    // Runs `request`; false when the Party lock refused it.
    bool transport(MprisRequest request);
    void seek(qlonglong offsetUs);
    void setPosition(const QString& trackId, qlonglong positionUs);
    // False when the URI names no local file.
    bool openUri(const QString& uri);
    void setVolume(double volume);
    void raise();
    void quit();

  signals:
    // After a seek, with the new position (microseconds).
    void seeked(qlonglong positionUs);

  private:
    MprisSnapshot takeSnapshotNow();
    const std::string& albumOf(const std::string& path);
    void seekToUs(int64_t positionUs);
    void emitChanges(const MprisSnapshot& before, const MprisSnapshot& after);

    audio::PlayerHost& host_;
    CurrentPlayList& playList_;
    CommandTarget& commands_;
    ViewSource currentView_;
    PathOpener openPath_;
    Dispatcher& dispatcher_;
    std::unique_ptr<audio::MasterVolume> volume_;
    const Library* library_ = nullptr;
    std::string albumPath_;  // the entry whose album was looked up last
    std::string album_;
    QObject* exported_ = nullptr;  // carries the two adaptors; child of this
    QDBusConnection bus_{QString()};
    QString busName_;
    TrackIds trackIds_;
    MprisSnapshot snapshot_;
    // The sound server's volume is asked for on every tenth refresh only: a
    // round trip each time would be wasted on a value that seldom changes.
    int refreshesSinceVolume_ = 0;
    std::optional<int> volumeLevel_;
};

}  // namespace sonara::gui
