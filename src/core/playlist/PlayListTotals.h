#pragma once

#include <cstdint>
#include <string>

namespace sonara {

// Seconds as the "Total:" and "Left:" fields show them: "%2u:%2.2u:%2.2u"
// with hours (not wrapped at a day), else "%2.2u:%2.2u".
std::string formatListTime(int64_t seconds);

// The play list's times and the progress bar made from them.
struct PlayListTotals {
    int64_t totalSeconds = 0;  // every entry with a known length
    int64_t leftSeconds = 0;   // unplayed entries and the rest of the current one

    std::string totalText() const { return formatListTime(totalSeconds); }
    std::string leftText() const { return formatListTime(leftSeconds); }
    // 0 ... Total, or 0 ... 10000 when Total is 0.
    int progressMaximum() const;
    // Total - Left; Total - 1 once nothing is left, so the bar never looks
    // finished while the last song plays out; 0 when Total is 0.
    int progressPosition() const;
};

}  // namespace sonara
