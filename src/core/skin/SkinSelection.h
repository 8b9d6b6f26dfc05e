#pragma once

#include <optional>
#include <string>

#include "core/io/Result.h"

#include "core/skin/SkinPreferences.h"

// Choosing the active skin, as the Select Skin dialog and ".snx" files do.
// The caller loads the skin afterwards and tells its windows.
namespace sonara::skin {

class BuiltInSkin;
struct SkinPointer;

// Repairs skins folder + `name`; only when that succeeds "CurrentSkin"
// becomes `name` and the preferences are saved. Returns the skin's folder,
// or nothing when the folder is not a usable skin (nothing changed then).
std::optional<std::string> selectSkin(SkinPreferences prefs, const BuiltInSkin& builtIn,
                                      const std::string& name);

// A ".snx" file's skin: the folder it names is repaired first, so a pointer
// to a broken or missing skin changes nothing and says why; otherwise
// "SkinsFolder" and "CurrentSkin" take its parts and are saved.
Result<std::string> applySkinPointerFile(SkinPreferences prefs, const BuiltInSkin& builtIn,
                                         const std::string& snxPath);

}  // namespace sonara::skin
