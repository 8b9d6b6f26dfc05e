#pragma once

#include <vector>

#include "core/settings/PreferenceChanges.h"

namespace sonara::gui {

class MainWindow;

// Carries the preferences' new values over to the running program: the
// play list's options always, then each effect in its order. The store
// already holds the new values; `before` are those the dialog opened with.
// A failure to register the file types is shown. User-interface thread.
void applyPreferenceEffects(MainWindow& window, const std::vector<PreferenceEffect>& effects,
                            const Preferences& before);

}  // namespace sonara::gui
