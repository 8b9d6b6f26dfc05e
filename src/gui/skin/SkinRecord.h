#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <array>
#include <string>

#include "core/skin/FontInfo.h"
#include "core/skin/SkinFiles.h"

namespace sonara::gui {

QColor toQColor(Colour colour);
// A font made as the skin asks: pixel height `size`, weight 700 or 400.
QFont skinFont(const skin::FontSpec& spec);

// The loaded skin every skinned window draws from: the bitmaps by table
// index, the FontInfo.ini values, the list brush and the fonts added from
// the skin folder. The application owns one and hands it to the windows.
// User-interface thread only.
class SkinRecord {
  public:
    SkinRecord();
    ~SkinRecord();
    SkinRecord(const SkinRecord&) = delete;
    SkinRecord& operator=(const SkinRecord&) = delete;

    // Unloads, then loads every table file of `folder` (ending in '/'): an
    // existing file that decodes fills its slot, a missing or broken one
    // leaves it empty, a missing "LogoSmall" is the logo scaled to 60 × 14.
    // Then reads and completes FontInfo.ini, makes the list brush and adds
    // the folder's *.ttf fonts. True when every required slot is filled.
    bool load(const std::string& folder);
    // Drops the bitmaps and the brush and removes the fonts load() added.
    void unload();

    const std::string& folder() const { return folder_; }

    // The bitmap at `index`, or a null image.
    const QImage& bitmap(int index) const;
    // With the fallbacks: a missing dialog or menu background answers with
    // the tile.
    const QImage& bitmapPresent(int index) const;
    bool hasBitmap(int index) const { return !bitmap(index).isNull(); }
    bool scrollBarSkinPresent() const;

    int cellsAcross(int index) const;
    // 20 for the large strip and 16 for the medium one when their captions
    // are drawn in, else 1.
    int captionRows(int index) const;
    QRect cellRect(int index, int column, int row) const;
    QSize cellSize(int index) const;

    const skin::FontInfo& fontInfo() const { return fontInfo_; }
    const QBrush& listBrush() const { return listBrush_; }
    const QStringList& fontFamiliesAdded() const { return families_; }
    // The font-database ids of those fonts, which unload() removes.
    const QVector<int>& fontIdsAdded() const { return fontIds_; }

    // For tests and the gallery: a skin put together in memory.
    void setBitmap(int index, QImage image);
    void setFontInfo(const skin::FontInfo& info);

  private:
    std::string folder_;
    std::array<QImage, skin::kFileCount> bitmaps_;
    skin::FontInfo fontInfo_;
    QBrush listBrush_;
    QVector<int> fontIds_;
    QStringList families_;
};

}  // namespace sonara::gui
