#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/io/Result.h"
#include "core/skin/BuiltInSkin.h"
#include "gui/skin/SkinContext.h"

class QWidget;

namespace sonara::gui {

// Puts a skin into effect: at start-up, from the Select Skin dialog and from
// ".snx" files. A skin that cannot be repaired or loaded leaves the current
// one in place. User-interface thread only.
class SkinSwitcher {
  public:
    SkinSwitcher(SkinContext context, const skin::BuiltInSkin& defaultSkin,
                 std::vector<skin::BundledSkin> shipped = {});

    // The start-up order: FontInfo.ini of the current skin read and completed,
    // the shipped skins written when absent, the current skin checked
    // (repaired or reset to the default), then loaded. A load that still
    // fails resets to the default skin and loads that, restoring its
    // damaged bitmaps from the built-in copies when needed. False only when
    // even that fails (a full disk; the windows then draw unskinned).
    bool startUp();

    // Selecting `name` in the Select Skin dialog: repaired, made current,
    // loaded. On success `root` and everything below it hear that the skin
    // changed. False (nothing changed) for a broken skin.
    bool select(const std::string& name, QWidget* root);

    // Opening a ".snx" file. The error says why nothing changed.
    Status openPointerFile(const std::string& path, QWidget* root);

  private:
    bool loadOrRestore(const std::string& folder, const std::string& previousFolder);
    void writeShippedSkins();
    void restoreDamagedFiles(const std::string& folder);

    SkinContext context_;
    const skin::BuiltInSkin& defaultSkin_;
    std::vector<skin::BundledSkin> shipped_;
};

}  // namespace sonara::gui
