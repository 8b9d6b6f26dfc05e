#include "core/mainwnd/WorkSpace.h"

#include <algorithm>

#include "core/settings/Preferences.h"

namespace sonara {

namespace {

int clampPercent(int percent) {
    return std::clamp(percent, PlayListWorkSpace::kMinPercent, PlayListWorkSpace::kMaxPercent);
}

}  // namespace

std::optional<int> workSpaceTarget(Command command, int current) {
    if (command == Command::WorkSpaceBumpUp) {
        return current + PlayListWorkSpace::kBumpStep;
    }
    if (command == Command::WorkSpaceBumpDown) {
        return current - PlayListWorkSpace::kBumpStep;
    }
    const int n = static_cast<int>(command);
    const int first = static_cast<int>(Command::WorkSpace20);
    const int last = static_cast<int>(Command::WorkSpace100);
    if (n >= first && n <= last) {
        return 20 + (n - first) * 10;
    }
    return std::nullopt;
}

PlayListWorkSpace::PlayListWorkSpace(WorkSpacePort& port, Preferences& preferences)
    : port_(port), preferences_(preferences) {}

int PlayListWorkSpace::percent() const {
    return clampPercent(preferences_.plPercentage);
}

bool PlayListWorkSpace::set(int percent) {
    const int clamped = clampPercent(percent);
    // Compared with the stored number: an out-of-range stored value is
    // replaced by the first change.
    if (clamped == preferences_.plPercentage) {
        return false;
    }
    preferences_.plPercentage = clamped;
    port_.savePreferences();
    port_.relayout();
    return true;
}

bool PlayListWorkSpace::apply(Command command) {
    const std::optional<int> target = workSpaceTarget(command, percent());
    return target && set(*target);
}

}  // namespace sonara
