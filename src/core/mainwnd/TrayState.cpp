#include "core/mainwnd/TrayState.h"

#include "core/app/StringTable.h"
#include "core/io/Characters.h"

namespace sonara {

int TrayState::frameAfter(int current, int frame) {
    if (frame == kNextFrame) {
        return current + 1 >= kFrameCount || current < 0 ? 0 : current + 1;
    }
    return frame >= 0 && frame < kFrameCount ? frame : 0;
}

std::string TrayState::tooltipFor(std::string_view caption) {
    std::string_view rest =
        caption.empty() ? std::string_view(stringText(TextId::TrayTip)) : caption;
    const char* start = rest.data();
    for (size_t count = 0; count < kTooltipChars && !rest.empty(); ++count) {
        rest.remove_prefix(text::firstCharacter(rest).size());
    }
    return std::string(start, size_t(rest.data() - start));
}

TrayState::Changes TrayState::tick(bool animating, std::string_view caption) {
    Changes changes;
    const int frame = frameAfter(frame_, animating ? kNextFrame : 0);
    changes.frame = frame != frame_;
    frame_ = frame;
    std::string tooltip = tooltipFor(caption);
    changes.tooltip = tooltip != tooltip_;
    if (changes.tooltip) {
        tooltip_ = std::move(tooltip);
    }
    return changes;
}

}  // namespace sonara
