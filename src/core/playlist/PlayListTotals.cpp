#include "core/playlist/PlayListTotals.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace sonara {

namespace {

int clampToInt(int64_t value) {
    return int(std::clamp<int64_t>(value, 0, INT_MAX));
}

}  // namespace

std::string formatListTime(int64_t seconds) {
    const auto value = static_cast<unsigned long long>(std::max<int64_t>(seconds, 0));
    const unsigned long long hours = value / 3600;
    const unsigned long long minutes = value / 60 % 60;
    const unsigned long long secs = value % 60;
    char text[48];
    if (hours != 0) {
        std::snprintf(text, sizeof text, "%2llu:%2.2llu:%2.2llu", hours, minutes, secs);
    } else {
        std::snprintf(text, sizeof text, "%2.2llu:%2.2llu", minutes, secs);
    }
    return text;
}

int PlayListTotals::progressMaximum() const {
    return totalSeconds <= 0 ? 10000 : clampToInt(totalSeconds);
}

int PlayListTotals::progressPosition() const {
    if (totalSeconds <= 0) {
        return 0;
    }
    if (leftSeconds <= 0) {
        return clampToInt(totalSeconds - 1);
    }
    return clampToInt(totalSeconds - leftSeconds);
}

}  // namespace sonara
