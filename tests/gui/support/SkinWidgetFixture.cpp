#include "support/SkinWidgetFixture.h"

#include <QPainter>

namespace sonara::gui::test {

SkinWidgetFixture::SkinWidgetFixture()
    : prefs_(std::make_unique<PreferenceStore>(dir_.filePath("Sonara.ini").toStdString(),
                                               dir_.path().toStdString(),
                                               dir_.path().toStdString())),
      context_{skin_, *prefs_} {
    const QByteArray home = dir_.path().toUtf8();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_RUNTIME_DIR", home);
}

QImage makeStrip(QSize cell, int rows, const std::function<QColor(int, int)>& colour) {
    QImage strip(cell.width() * 5, cell.height() * rows, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 5; ++column) {
            painter.fillRect(QRect(QPoint(column * cell.width(), row * cell.height()), cell),
                             colour(column, row));
        }
    }
    return strip;
}

QImage solidImage(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor cellColour(int column, int row) {
    return QColor(40 + column * 40, 60 + row * 8, 90);
}

}  // namespace sonara::gui::test
