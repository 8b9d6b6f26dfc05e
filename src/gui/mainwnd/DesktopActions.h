#pragma once

#include <optional>
#include <string>

#include "core/io/Result.h"
#include "core/mainwnd/MenuPreparation.h"
#include "core/settings/PreferencePageRules.h"

namespace sonara::gui {

// What the window leaves to the application because it outlives the window:
// the tray, the help pages, the About box and the outside player.
// User-interface thread only.
class DesktopActions {
  public:
    virtual ~DesktopActions() = default;
    // Hides the window to the tray; where the desktop has no tray the
    // window is minimised instead, so it is never out of reach.
    virtual void hideToTray() = 0;
    virtual void showHelp() = 0;
    virtual void showAbout() = 0;
    // Hands `path` to the user's own MP3 player (the "Play in" item); false
    // when nothing was handed over (the reason was shown).
    virtual bool playInOutsidePlayer(const std::string& path) = 0;
    // The current play list handed to that player in place of its own
    // list, or added to it ("Set as" / "Append to").
    virtual bool playListInOutsidePlayer(bool append) = 0;
    // That player's name and abilities as the menus show them.
    virtual ExternalPlayerLabels outsidePlayerLabels() const = 0;
    // The preferences' OK: the file types registered or given back as the
    // stored "UseAsDefaultPlayer" and "Associate MP3" say, given the first as
    // it was before the dialog. The failure is for the dialog to show.
    virtual Status applyAssociationPreferences(int useAsDefaultPlayerBefore) {
        (void)useAsDefaultPlayerBefore;
        return Status::success();
    }
    // What the preferences show of that player and of the MP3 association;
    // nothing where the desktop is left alone.
    virtual std::optional<OutsidePlayerInfo> outsidePlayerInfo() const { return std::nullopt; }
    // While held, nothing but the holder reads the library, the sources or
    // the path cache (the periodic saves, the media-player service and the
    // random adds of the play list wait): a scan changes them on a thread of
    // its own.
    virtual void holdLibraryReaders(bool /*hold*/) {}
};

}  // namespace sonara::gui
