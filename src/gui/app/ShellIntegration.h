#pragma once

#include <string>

#include "core/shell/Associations.h"
#include "core/shell/OutsidePlayer.h"
#include "gui/app/QtProcessLauncher.h"

namespace sonara {
class Prompter;
struct Preferences;
}  // namespace sonara

namespace sonara::gui {

// Sonara on the desktop's file types and beside the user's own MP3
// player, for the whole run: the associations, the outside player and the
// launcher that starts it. The desktop's folders are read from the
// environment once. Borrows the prompter; user-interface thread.
class ShellIntegration {
  public:
    ShellIntegration(const std::string& dataFolder, Prompter& prompter);

    // The start-up rule, once the preferences are read. A list that cannot
    // be read or written is reported on the standard error output: the
    // user did not ask for anything and loses nothing.
    void applyAtStart(const Preferences& prefs);
    // The rule on OK of the preferences, given "UseAsDefaultPlayer" as it
    // was before the dialog; a failure is returned for the dialog to show.
    Status applyPreferences(int useAsDefaultPlayerBefore, const Preferences& prefs);

    // The "Play in" item: the song handed to the outside player.
    bool playFile(const std::string& path, const Preferences& prefs);
    ExternalPlayerLabels menuLabels(const Preferences& prefs) const;

    Associations& associations() { return associations_; }
    OutsidePlayer& outsidePlayer() { return outsidePlayer_; }

  private:
    QtProcessLauncher launcher_;
    Associations associations_;
    OutsidePlayer outsidePlayer_;
};

}  // namespace sonara::gui
