#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <array>

// The colours one skin is drawn in. The generator draws both bundled skins
// with the same routines; only these values differ.
namespace sonara::skingen {

// One button state column: face gradient, edges and the caption or symbol.
struct FaceStyle {
    QColor top;
    QColor bottom;
    QColor border;
    QColor highlight;  // inner top edge; alpha 0 for none
    QColor ring;       // focus or hover ring inside the border; alpha 0 for none
    QColor text;
    QPoint textShift;  // pressed captions move down and right
    bool insetShadow = false;
};

struct Palette {
    QString name;
    // Pixels of this colour in button strips and pictures are see-through.
    QColor transparent;
    // The same for the slider bitmaps ("GraphicSliders" "TransColor").
    QColor sliderTransparent;
    // What the skin's backgrounds average to: anti-aliased edges are blended
    // towards it, so no dark or light fringe shows around a button.
    QColor matte;
    QColor tileBase;
    int tileGrain = 0;               // amplitude of the tile's texture
    std::array<FaceStyle, 5> faces;  // by state column
    QColor symbolShadow;             // drawn one pixel below every symbol
    QColor icon;                     // tool strip icons and letters
    QColor accent;
    QColor accentDark;
    QColor trackTop;
    QColor trackBottom;
    QColor trackBorder;
    QColor logoTop;
    QColor logoBottom;
    QColor logoMarkInk;
    bool largeCaptions = true;  // the large strip holds the 20 captioned rows
};

Palette defaultPalette();
Palette daylightPalette();

}  // namespace sonara::skingen
