#pragma once

#include <QColor>
#include <QImage>

#include "core/mainwnd/DisplayGeometry.h"
#include "core/skin/VisualisationSettings.h"

class QPainter;

namespace sonara::gui {

// A visualisation colour number (red in the high byte) as a QColor.
QColor displayColour(RgbNumber number);

// A display's bar drawn once in its lit and its unlit colours, spots and
// gaps included, so that a frame is a few image copies per bar instead of
// one fill per spot. Bars stand on the bottom edge of a `length`-high area.
class DisplayColumnImages {
  public:
    // `thickness`: the widest bar. Rebuilt when the size or the skin changes.
    void build(const VisualisationColours& colours, int point1, int point2,
               const SpotLadder& ladder, int thickness);

    const SpotLadder& ladder() const { return ladder_; }

    // The column `across` of a bar with its first `lit` spots lit, the rest
    // unlit.
    void drawBar(QPainter& painter, PixelSpan across, int lit) const;
    // Spots `first` … `last` of the column lit (a peak mark or a dot).
    void drawLitSpots(QPainter& painter, PixelSpan across, int first, int last) const;
    // The lit colour at `spot`, for marks drawn otherwise than as spots.
    QColor litColour(int spot) const;

  private:
    void copyRows(QPainter& painter, const QImage& image, PixelSpan across, int fromFoot,
                  int toFoot) const;

    SpotLadder ladder_;
    QImage lit_;
    QImage unlit_;
};

}  // namespace sonara::gui
