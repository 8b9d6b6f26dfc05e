#include "gui/app/DesktopIcons.h"

#include <QPixmap>
#include <span>

#include "skin/DesktopIconData.h"

namespace sonara::gui {

namespace {

QIcon iconFrom(std::span<const skin::generated::Blob> sizes) {
    QIcon icon;
    for (const skin::generated::Blob& blob : sizes) {
        QPixmap pixmap;
        // The bytes are the build's own; a failure here is a broken build.
        if (pixmap.loadFromData(blob.bytes, uint(blob.size), "PNG")) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

}  // namespace

QIcon applicationIcon() {
    return iconFrom(skin::generated::kApplicationIcon);
}

std::vector<QIcon> trayFrameIcons() {
    std::vector<QIcon> frames;
    for (const auto& sizes : skin::generated::kTrayFrames) {
        frames.push_back(iconFrom(sizes));
    }
    return frames;
}

}  // namespace sonara::gui
