#pragma once

#include <optional>
#include <string>

#include "core/mainwnd/ViewMode.h"

namespace sonara {

// The fonts and idle texts of the player displays that change with the view.
struct ViewDisplay {
    std::string timeFontFace;
    int timeFontSize = 0;
    // The scrolling title's font size; nothing keeps the skin's.
    std::optional<int> scrollingTitleFontSize;
    // The time display's text while nothing plays; nothing while a song plays
    // (the time ticks then).
    std::optional<std::string> idleTimeText;
    bool operator==(const ViewDisplay&) const = default;
};

ViewDisplay displayForView(ViewMode view, bool playing);

}  // namespace sonara
