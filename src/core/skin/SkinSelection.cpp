#include "core/skin/SkinSelection.h"

#include <fstream>
#include <sstream>

#include "core/io/FileAttributes.h"
#include "core/skin/SkinFolder.h"
#include "core/skin/SkinPointer.h"
#include "core/skin/SkinPreferences.h"

namespace sonara::skin {

std::optional<std::string> selectSkin(SkinPreferences prefs, const BuiltInSkin& builtIn,
                                      const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
        return std::nullopt;
    }
    const std::string folder = prefs.skinsFolder() + name + "/";
    if (!files::isDirectory(folder) || !repairSkinFolder(folder, builtIn)) {
        return std::nullopt;
    }
    prefs.setSkinName(name);
    (void)prefs.saveAll();
    return folder;
}

Result<std::string> applySkinPointerFile(SkinPreferences prefs, const BuiltInSkin& builtIn,
                                         const std::string& snxPath) {
    std::ifstream in(snxPath, std::ios::binary);
    if (!in) {
        return Result<std::string>::failure("Unable to open " + snxPath);
    }
    std::ostringstream text;
    text << in.rdbuf();
    const auto pointer = parseSkinPointer(text.str());
    if (!pointer) {
        return Result<std::string>::failure(snxPath + " does not name a skin.");
    }
    const std::string folder = pointer->skinsFolder + pointer->skinName + "/";
    if (!files::isDirectory(folder) || !repairSkinFolder(folder, builtIn)) {
        return Result<std::string>::failure("Unable to load the skin " + folder);
    }
    prefs.setSkinsFolder(pointer->skinsFolder);
    prefs.setSkinName(pointer->skinName);
    (void)prefs.saveAll();
    return folder;
}

}  // namespace sonara::skin
