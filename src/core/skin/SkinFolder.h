#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/skin/SkinPreferences.h"

// Skin folders on disk: finding files ignoring case, listing skins, and the
// check, repair and reset that keep a usable skin in place.
namespace sonara::skin {

class BuiltInSkin;

// The path of `name` in `folder` (ending in '/'), matched ignoring case;
// nothing when no such file exists.
std::optional<std::string> findFile(const std::string& folder, std::string_view name);
// The path for the table file `index`: the existing file, else folder + the
// table's name.
std::string filePath(const std::string& folder, int index);

// Names of the sub-folders of `skinsFolder` that hold "tile.bmp", sorted
// ignoring case.
std::vector<std::string> listSkins(const std::string& skinsFolder);

// Writes the built-in copy of `index` into `folder` unless the file exists
// or there is no copy. Errors are swallowed; the caller checks the result.
void extractBuiltInFile(const BuiltInSkin& builtIn, int index, const std::string& folder);
// The same for a skin the program ships whole: every file it carries, the
// optional ones (the touch-screen keys) included.
void writeShippedFile(const BuiltInSkin& builtIn, int index, const std::string& folder);

// Restores every missing required file from the built-in copies. False when
// one is still missing afterwards.
bool repairSkinFolder(const std::string& folder, const BuiltInSkin& builtIn);

// "SkinsFolder" empty, "CurrentSkin" "Default", the preferences saved, and
// the default skin's folder created and filled with every built-in file not
// there yet. Returns the folder.
std::string resetToDefaultSkin(SkinPreferences prefs, const BuiltInSkin& builtIn);

enum class SkinCheck { Fine, Repaired, Reset };
// The start-up check of the current skin folder: a folder that is missing
// or holds none of the table's files is reset to the default skin; any other
// is repaired, and reset when the repair fails.
SkinCheck checkAndRepairCurrentSkin(SkinPreferences prefs, const BuiltInSkin& builtIn);

}  // namespace sonara::skin
