#pragma once

#include <QPainterPath>

// The medium strip's symbols as filled outlines in a 12 × 12 box, one per
// strip row: 0 repeat, 1 shuffle, 2 previous, 3 play, 4 pause, 5 stop,
// 6 next, 7 file open/save, 8 add to play list, 9 remove, 10 expand or
// collapse the work space, 11 move up, 12 move down, 13 search, 14 eject
// (removable media), 15 menu.
namespace sonara::skingen {

inline constexpr int kSymbolBox = 12;
inline constexpr int kSymbolCount = 16;

QPainterPath symbolPath(int row);

// Icons of the mini tool bar, also in a 12 × 12 box.
enum class StripIcon {
    Previous,
    Play,
    Pause,
    Stop,
    Next,
    ViewNormal,
    ViewPlaylist,
    ViewPlayer,
    ViewBar,
    ViewParty,
    Tray,
    Minimise,
    Maximise,
    Restore,
    Close,
};
QPainterPath stripIconPath(StripIcon icon);

// The speaker of the volume picture, in a 12 × 12 box.
QPainterPath speakerPath();

}  // namespace sonara::skingen
