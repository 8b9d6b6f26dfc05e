#include "gui/skin/BitmapFile.h"

#include <QFile>
#include <QImageReader>
#include <cstdlib>

namespace sonara::gui {

namespace {

constexpr int kFileHeader = 14;
constexpr int kCoreHeader = 12;  // the old OS/2 form
constexpr quint32 kRgb = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

quint32 le32(const QByteArray& bytes, int at) {
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

quint16 le16(const QByteArray& bytes, int at) {
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

// Whether a "BM" file holds all the pixel rows its headers promise; other
// formats are left to their decoders.
bool bmpComplete(const QByteArray& header, qint64 fileSize) {
    if (!header.startsWith("BM")) {
        return true;
    }
    if (header.size() < kFileHeader + 4) {
        return false;
    }
    const qint64 pixelsAt = le32(header, 10);
    const quint32 infoSize = le32(header, kFileHeader);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bits = 0;
    quint32 compression = kRgb;
    if (infoSize == kCoreHeader && header.size() >= kFileHeader + kCoreHeader) {
        width = le16(header, 18);
        height = le16(header, 20);
        bits = le16(header, 24);
    } else if (infoSize >= 40 && header.size() >= kFileHeader + 40) {
        width = qint32(le32(header, 18));
        height = std::abs(qint32(le32(header, 22)));
        bits = le16(header, 28);
        compression = le32(header, 30);
    } else {
        return false;
    }
    if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        return fileSize >= pixelsAt + stride * height;
    }
    // Run-length data has no fixed size; the stated file size must be there.
    const qint64 stated = le32(header, 2);
    return stated == 0 || fileSize >= stated;
}

}  // namespace

QImage readSkinBitmap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    if (!bmpComplete(file.peek(kFileHeader + 40), file.size())) {
        return {};
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    // One pixel format for every bitmap, so colour-key comparisons and
    // copies behave the same whatever depth the file had.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

}  // namespace sonara::gui
