#include "gui/app/WindowPicture.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace sonara::gui {

namespace {

// Posted work may post more (a fill posts its first letter); a few rounds
// settle it without waiting on timers that tick for ever.
constexpr int kSettleRounds = 8;

}  // namespace

bool saveWindowPicture(QWidget& window, const QString& path) {
    for (int round = 0; round < kSettleRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    const QImage image = window.grab().toImage();
    return !image.isNull() && image.save(path, "PNG");
}

}  // namespace sonara::gui
