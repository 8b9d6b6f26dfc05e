#pragma once

#include <optional>

#include "core/app/Command.h"

namespace sonara {

struct Preferences;

// What the window does when the work space changes.
class WorkSpacePort {
  public:
    virtual ~WorkSpacePort() = default;
    virtual void savePreferences() = 0;
    virtual void relayout() = 0;
};

// The share of view 6's height the play list takes, in percent, kept in
// "PLPercentage". Borrows the port and the preferences; user-interface thread.
class PlayListWorkSpace {
  public:
    static constexpr int kMinPercent = 20;
    static constexpr int kMaxPercent = 100;
    static constexpr int kBumpStep = 5;

    PlayListWorkSpace(WorkSpacePort& port, Preferences& preferences);

    // The stored value, kept within 20 to 100 (a hand-edited file may hold
    // anything).
    int percent() const;
    // Clamp to 20 to 100; when that changes the value, store it, save the
    // preferences and relayout. Returns whether it changed.
    bool set(int percent);
    // "Bump Up", "Bump Down" and "20%" … "100%"; false for other commands
    // and for a command that changes nothing.
    bool apply(Command command);

  private:
    WorkSpacePort& port_;
    Preferences& preferences_;
};

// The percentage a work-space command asks for from `current`; nothing for
// other commands.
std::optional<int> workSpaceTarget(Command command, int current);

}  // namespace sonara
