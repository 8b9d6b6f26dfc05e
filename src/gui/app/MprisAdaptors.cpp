#include "gui/app/MprisAdaptors.h"

#include "core/app/StringTable.h"
#include "gui/app/MprisService.h"

namespace sonara::gui {

MprisRootAdaptor::MprisRootAdaptor(QObject* exported, MprisService& service)
    : QDBusAbstractAdaptor(exported), service_(service) {}

QString MprisRootAdaptor::identity() const {
    return QString::fromStdString(stringText(TextId::ProgramName));
}

QStringList MprisRootAdaptor::supportedMimeTypes() const {
    // What the open dispatcher takes: MP3 songs and M3U play lists.
    return {QStringLiteral("audio/mpeg"), QStringLiteral("audio/x-mpegurl")};
}

void MprisRootAdaptor::Raise() {
    service_.raise();
}

void MprisRootAdaptor::Quit() {
    service_.quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisExportedObject* exported, MprisService& service)
    : QDBusAbstractAdaptor(exported), service_(service) {
    connect(&service, &MprisService::seeked, this, &MprisPlayerAdaptor::Seeked);
}

QString MprisPlayerAdaptor::playbackStatus() const {
    return QString::fromLatin1(playbackStatusName(service_.snapshot().status));
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    return service_.metadata();
}

double MprisPlayerAdaptor::volume() const {
    return service_.snapshot().volume;
}

void MprisPlayerAdaptor::setVolume(double volume) {
    service_.setVolume(volume);
}

qlonglong MprisPlayerAdaptor::position() const {
    return service_.positionUs();
}

bool MprisPlayerAdaptor::canGoNext() const {
    return service_.snapshot().canGoNext;
}
bool MprisPlayerAdaptor::canGoPrevious() const {
    return service_.snapshot().canGoPrevious;
}
bool MprisPlayerAdaptor::canPlay() const {
    return service_.snapshot().canPlay;
}
bool MprisPlayerAdaptor::canPause() const {
    return service_.snapshot().canPause;
}
bool MprisPlayerAdaptor::canSeek() const {
    return service_.snapshot().canSeek;
}

void MprisPlayerAdaptor::run(MprisRequest request) {
    if (!service_.transport(request)) {
        refuse(QString::fromLatin1(MprisService::kRefusedError),
               QString::fromStdString(stringText(TextId::MediaControlRefused)));
    }
}

void MprisPlayerAdaptor::Play() {
    run(MprisRequest::Play);
}
void MprisPlayerAdaptor::Pause() {
    run(MprisRequest::Pause);
}
void MprisPlayerAdaptor::PlayPause() {
    run(MprisRequest::PlayPause);
}
void MprisPlayerAdaptor::Stop() {
    run(MprisRequest::Stop);
}
void MprisPlayerAdaptor::Next() {
    run(MprisRequest::Next);
}
void MprisPlayerAdaptor::Previous() {
    run(MprisRequest::Previous);
}

void MprisPlayerAdaptor::Seek(qlonglong Offset) {
    service_.seek(Offset);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    service_.setPosition(TrackId.path(), Position);
}

void MprisPlayerAdaptor::OpenUri(const QString& Uri) {
    if (!service_.openUri(Uri)) {
        refuse(QDBusError::errorString(QDBusError::InvalidArgs),
               QString::fromStdString(stringText(TextId::MediaControlNotAFile)));
    }
}

void MprisPlayerAdaptor::refuse(const QString& error, const QString& text) {
    auto* context = static_cast<MprisExportedObject*>(parent());
    if (context->calledFromDBus()) {
        context->sendErrorReply(error, text);
    }
}

}  // namespace sonara::gui
