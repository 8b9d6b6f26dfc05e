#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "Palette.h"

// Every bitmap of a bundled skin, drawn from its palette.
//
// Layouts the controls rely on:
// - LargeButton.bmp 385 × 400: 5 state columns of 77 px (Up, Down, Focus,
//   MouseOver, Disabled), 20 captioned rows of 20 px; a skin without large
//   captions has one 385 × 20 generic row.
// - MediumButton.bmp 135 × 352: 5 × 27 px, 16 rows of 22 px symbols (see
//   Symbols.h for the row order).
// - SmallButton.bmp 95 × 19: 5 × 19 px, one generic row.
// - Tile.bmp 64 × 64, seamless.
// - Logo.bmp 156 × 42 and LogoSmall.bmp 60 × 14, on the skin's background
//   colour (no transparent pixels, so any drawing mode looks right).
// - PlayProgress.bmp 345 × 13 and vol.bmp 115 × 13, slider bitmaps: the
//   track (306 and 76 px wide) on the left, then three 13 × 13 thumb frames:
//   normal, pressed (dragging), disabled. Around the track and the thumbs
//   everything is the slider transparent colour.
// - VolPic.bmp 13 × 13, the speaker beside the volume slider.
// - MiniToolBar.bmp 226 × 16: 15 items of 14 × 14 at y 1, see miniToolBarItems().
// - SearchToolbar.bmp 297 × 15: 27 letter cells of 11 px: "*", then A to Z.
namespace sonara::skingen {

QImage largeStrip(const Palette& palette);
QImage mediumStrip(const Palette& palette);
QImage smallStrip(const Palette& palette);
QImage tile(const Palette& palette);
QImage logo(const Palette& palette);
QImage logoSmall(const Palette& palette);
QImage playProgress(const Palette& palette);
QImage volumeSlider(const Palette& palette);
QImage volumePicture(const Palette& palette);
QImage miniToolBar(const Palette& palette);
QImage searchToolbar(const Palette& palette);
// The touch-screen keyboard's key faces; the keyboard writes the
// characters on them.
QImage keySmall(const Palette& palette);
QImage keyMedium(const Palette& palette);
QImage keyLarge(const Palette& palette);
QImage keySpaceBar(const Palette& palette);

// The hot rectangles of MiniToolBar.bmp, left to right, with the action the
// main window gives each: previous 11, play 12, pause 13, stop 14, next 15,
// the views Normal 6, Playlist 7, Player 8, Bar 9, Party 10, then tray 2,
// minimise 3, maximise 4, restore 5, close 1.
struct StripItem {
    QRect rect;
    int action;
};
std::vector<StripItem> miniToolBarItems();

}  // namespace sonara::skingen
