#include "core/mainwnd/ViewDisplay.h"

namespace sonara {

ViewDisplay displayForView(ViewMode view, bool playing) {
    // The player and bar views show the time display alone, so it is larger
    // and keeps its zeros; elsewhere it stands beside the seek bar.
    const bool timeStandsAlone = view == ViewMode::Player || view == ViewMode::Toolbar;
    ViewDisplay display;
    display.timeFontFace = "arial";
    display.timeFontSize = view == ViewMode::Player ? 14 : view == ViewMode::Toolbar ? 12 : 9;
    if (view == ViewMode::Player) {
        display.scrollingTitleFontSize = 11;
    }
    if (!playing) {
        display.idleTimeText = timeStandsAlone ? "00:00" : " ";
    }
    return display;
}

}  // namespace sonara
