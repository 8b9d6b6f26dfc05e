#pragma once

#include <vector>

#include "core/settings/Preferences.h"

namespace sonara {

// What the running program must redo after the preferences dialog's OK.
enum class PreferenceEffect {
    RandomGenre,     // the random-add pool rebuilt for the new genres
    BufferSize,      // the player takes the new buffer size
    OutputDevice,    // the player reopens its output on the new device
    Visualisations,  // the displays shown or hidden, the window laid out again
    AlwaysOnTop,     // the window's top-most state applied again
    Titles,          // the library list's titles made again
    Associations,    // the file types registered or given back
    PlayerChoice,    // the view and layout for the new player choice
};

// The effects of going from `before` to `after`, in the order they must run.
// Associations is always among them: registering is due on every OK, and
// the shell side writes only what changed. Pure.
std::vector<PreferenceEffect> preferenceEffects(const Preferences& before,
                                                const Preferences& after);

}  // namespace sonara
