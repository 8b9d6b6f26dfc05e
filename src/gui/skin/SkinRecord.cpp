#include "gui/skin/SkinRecord.h"

#include <QDir>
#include <QFontDatabase>
#include <utility>

#include "core/skin/SkinFolder.h"
#include "gui/skin/BitmapFile.h"
#include "gui/skin/SkinPainting.h"

namespace sonara::gui {

namespace {

constexpr int kLogoSmallWidth = 60;
constexpr int kLogoSmallHeight = 14;

}  // namespace

QColor toQColor(Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue());
}

QFont skinFont(const skin::FontSpec& spec) {
    QFont font(QString::fromStdString(spec.face));
    font.setPixelSize(spec.size > 0 ? spec.size : 1);
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    return font;
}

SkinRecord::SkinRecord() : listBrush_(toQColor(fontInfo_.listBackground)) {}

SkinRecord::~SkinRecord() {
    unload();
}

bool SkinRecord::load(const std::string& folder) {
    unload();
    folder_ = folder;
    if (!folder_.empty() && folder_.back() != '/') {
        folder_ += '/';
    }

    bool complete = true;
    for (int index = 0; index < skin::kFileCount; ++index) {
        if (index == skin::kFontInfo) {
            continue;  // read as settings below, never as a bitmap
        }
        const skin::SkinFileInfo& info = skin::fileInfo(index);
        if (const auto path = skin::findFile(folder_, info.name)) {
            bitmaps_[size_t(index)] = readSkinBitmap(QString::fromStdString(*path));
        }
        if (index == skin::kLogoSmall && bitmaps_[size_t(index)].isNull() &&
            !bitmaps_[skin::kLogo].isNull()) {
            const QImage& logo = bitmaps_[skin::kLogo];
            bitmaps_[size_t(index)] =
                scaleInto(logo, logo.rect(), kLogoSmallWidth, kLogoSmallHeight);
        }
        if (info.required && bitmaps_[size_t(index)].isNull()) {
            complete = false;
        }
    }

    setFontInfo(skin::readAndCompleteFontInfoFile(folder_));

    const QDir dir(QString::fromStdString(folder_));
    const QStringList fonts =
        dir.entryList({QStringLiteral("*.ttf")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : fonts) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(name));
        if (id < 0) {
            continue;  // not a font the system takes
        }
        fontIds_.push_back(id);
        families_ += QFontDatabase::applicationFontFamilies(id);
    }
    return complete;
}

void SkinRecord::unload() {
    for (QImage& image : bitmaps_) {
        image = QImage();
    }
    listBrush_ = QBrush();
    for (const int id : std::as_const(fontIds_)) {
        QFontDatabase::removeApplicationFont(id);
    }
    fontIds_.clear();
    families_.clear();
    folder_.clear();
}

const QImage& SkinRecord::bitmap(int index) const {
    static const QImage none;
    return index >= 0 && index < skin::kFileCount ? bitmaps_[size_t(index)] : none;
}

const QImage& SkinRecord::bitmapPresent(int index) const {
    const QImage& image = bitmap(index);
    if (image.isNull() && index >= 0 && index < skin::kFileCount) {
        const int fallback = skin::fileInfo(index).fallback;
        if (fallback >= 0) {
            return bitmap(fallback);
        }
    }
    return image;
}

bool SkinRecord::scrollBarSkinPresent() const {
    return hasBitmap(skin::kHScrollBackground) && hasBitmap(skin::kHScrollButtons) &&
           hasBitmap(skin::kVScrollBackground) && hasBitmap(skin::kVScrollButtons);
}

int SkinRecord::cellsAcross(int index) const {
    return index >= 0 && index < skin::kFileCount ? skin::fileInfo(index).cellsAcross : 1;
}

int SkinRecord::captionRows(int index) const {
    if (index == skin::kLargeButton && fontInfo_.largeButtonsHaveText) {
        return skin::kLargeCaptionRows;
    }
    if (index == skin::kMediumButton && fontInfo_.mediumButtonsHaveText) {
        return skin::kMediumCaptionRows;
    }
    return 1;
}

QRect SkinRecord::cellRect(int index, int column, int row) const {
    const QImage& image = bitmapPresent(index);
    const skin::CellRect cell = skin::cellRect(image.width(), image.height(), cellsAcross(index),
                                               captionRows(index), column, row);
    return QRect(cell.left, cell.top, cell.width(), cell.height());
}

QSize SkinRecord::cellSize(int index) const {
    const QRect cell = cellRect(index, 0, 0);
    return cell.size();
}

void SkinRecord::setBitmap(int index, QImage image) {
    if (index >= 0 && index < skin::kFileCount) {
        bitmaps_[size_t(index)] = std::move(image);
    }
}

void SkinRecord::setFontInfo(const skin::FontInfo& info) {
    fontInfo_ = info;
    listBrush_ = QBrush(toQColor(fontInfo_.listBackground));
}

}  // namespace sonara::gui
