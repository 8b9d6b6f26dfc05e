#pragma once

#include <string>

namespace sonara {

// Seconds as the time display shows them: "%2d:%02d:%02d" with hours, else
// "%02d:%02d".
std::string formatPlayTime(int seconds);

// The time display's text: " " and the elapsed time, or "-" and the time left
// when `remaining` is set (negative differences show as 0).
std::string timeText(int positionSeconds, int lengthSeconds, bool remaining);

// The values the time display, the seek bar and its labels show.
struct TimeDisplay {
    int positionSeconds = 0;
    int lengthSeconds = 0;
    std::string text;
    std::string endLabel;  // the formatted length; the start label is "0"
};
TimeDisplay timeDisplay(int positionMs, int lengthMs, bool remaining);

// The time display of a reset display: "00:00" or " ".
std::string idleTimeText(bool playerOrBarView);

}  // namespace sonara
