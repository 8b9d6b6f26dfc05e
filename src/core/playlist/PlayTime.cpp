#include "core/playlist/PlayTime.h"

#include <algorithm>
#include <cstdio>

namespace sonara {

std::string formatPlayTime(int seconds) {
    seconds = std::max(0, seconds);
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    char text[32];
    if (h != 0) {
        std::snprintf(text, sizeof text, "%2d:%02d:%02d", h, m, s);
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d", m, s);
    }
    return text;
}

std::string timeText(int positionSeconds, int lengthSeconds, bool remaining) {
    if (remaining) {
        return "-" + formatPlayTime(lengthSeconds - positionSeconds);
    }
    return " " + formatPlayTime(positionSeconds);
}

TimeDisplay timeDisplay(int positionMs, int lengthMs, bool remaining) {
    TimeDisplay display;
    display.positionSeconds = positionMs / 1000;
    display.lengthSeconds = lengthMs / 1000;
    display.text = timeText(display.positionSeconds, display.lengthSeconds, remaining);
    display.endLabel = formatPlayTime(display.lengthSeconds);
    return display;
}

std::string idleTimeText(bool playerOrBarView) {
    return playerOrBarView ? "00:00" : " ";
}

}  // namespace sonara
