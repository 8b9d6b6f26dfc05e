#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/io/Result.h"
#include "core/shell/ShellPaths.h"

namespace sonara {

// The desktop id and the file types Sonara answers for.
inline constexpr std::string_view kSonaraDesktopId = "sonara.desktop";
inline constexpr std::string_view kMp3Type = "audio/mpeg";
inline constexpr std::string_view kM3uType = "audio/x-mpegurl";
inline constexpr std::string_view kPlayListType = "application/x-sonara-playlist";
inline constexpr std::string_view kSkinType = "application/x-sonara-skin";

// Sonara as the desktop's MP3 player: which program opens a file type,
// taking the MP3 and M3U types over and giving them back. Reads the
// default-application lists anew on every call and writes only the user's
// own one ($XDG_CONFIG_HOME/mimeapps.list), only when something changes.
// The program a type is taken from is remembered in Sonara's data folder;
// a second take-over never replaces it with Sonara itself.
// Failures: a list that cannot be read is never written over; a file that
// cannot be written leaves the old one whole. User-interface thread.
class Associations {
  public:
    explicit Associations(ShellPaths paths) : paths_(std::move(paths)) {}

    // The desktop id the desktop opens `type` with: the first id of the
    // first list that names one, nothing when none does.
    std::optional<std::string> defaultFor(std::string_view type) const;
    bool isDefaultPlayer() const;

    // Takes over MP3 and M3U files; with `associate` ("Associate MP3")
    // Sonara is also added to the four types' associations and opens its
    // own play-list and skin files.
    Status registerTypes(bool associate);
    // Hands MP3 and M3U files back to the programs they were taken from
    // (none remembered: the desktop's own choice comes back).
    Status giveBack();
    // The skin-pointer files (".snx") always open in Sonara.
    Status registerSkinType();

    // The program MP3 files were taken from; empty when none.
    std::string savedPlayer() const;

    const ShellPaths& paths() const { return paths_; }

  private:
    const ShellPaths paths_;
};

// At start, once the preferences are read: Sonara's own types, and the
// take-over when "UseAsDefaultPlayer" is 1 and Sonara is not the default.
Status applyAssociationsAtStart(Associations& associations, int useAsDefaultPlayer,
                                int associateMp3);

// On OK of the preferences: Register when either preference is 1, else
// Give back when Sonara was the player before the dialog.
Status applyAssociationPreferences(Associations& associations, int useAsDefaultPlayerBefore,
                                   int useAsDefaultPlayer, int associateMp3);

}  // namespace sonara
