#pragma once

#include <string_view>
#include <vector>

#include "core/skin/BuiltInSkin.h"

namespace sonara::skin {

// The default skin compiled into the program. Its pictures, drawn by
// data/skin/generator (SkinArt.h has every size):
// - slider bitmaps (PlayProgress.bmp 345 × 13, vol.bmp 115 × 13): the track
//   on the left, then 3 square thumb frames (normal, pressed, disabled),
//   as SkinSlider reads them with frames = 3; everything around the track
//   and thumbs is the "GraphicSliders" colour;
// - MiniToolBar.bmp 226 × 16: 15 items of 14 × 14 at y 1, x 3, 17, 31, 45,
//   59 (previous, play, pause, stop, next: actions 11..15), 78, 92, 106,
//   120, 134 (views Normal, Playlist, Player, Bar, Party: 6..10), 153, 167,
//   181, 195, 209 (tray 2, minimise 3, maximise 4, restore 5, close 1);
// - SearchToolbar.bmp 297 × 15: 27 cells of 11 px, "*" then A to Z.
const BuiltInSkin& defaultSkin();

// "Default" first, then the other skins drawn with it ("Daylight", a light
// theme whose buttons draw their own captions).
std::vector<BundledSkin> bundledSkins();

}  // namespace sonara::skin
