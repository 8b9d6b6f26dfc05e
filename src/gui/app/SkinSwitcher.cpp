#include "gui/app/SkinSwitcher.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/settings/PreferenceStore.h"
#include "core/skin/FontInfo.h"
#include "core/skin/SkinFiles.h"
#include "core/skin/SkinFolder.h"
#include "core/skin/SkinSelection.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

SkinSwitcher::SkinSwitcher(SkinContext context, const skin::BuiltInSkin& defaultSkin,
                           std::vector<skin::BundledSkin> shipped)
    : context_(context), defaultSkin_(defaultSkin), shipped_(std::move(shipped)) {}

void SkinSwitcher::writeShippedSkins() {
    const std::string skins = context_.prefs.skinsFolder();
    for (const skin::BundledSkin& skin : shipped_) {
        const std::string folder = skins + std::string(skin.name) + "/";
        // A folder the user has (even a broken one) is theirs: never refilled.
        std::error_code error;
        if (std::filesystem::exists(folder, error) ||
            !std::filesystem::create_directories(folder, error)) {
            continue;
        }
        for (int index = 0; index < skin::kFileCount; ++index) {
            skin::writeShippedFile(skin.files, index, folder);
        }
    }
}

bool SkinSwitcher::startUp() {
    (void)skin::readAndCompleteFontInfoFile(context_.prefs.currentSkinFolder());
    writeShippedSkins();
    skin::checkAndRepairCurrentSkin(context_.prefs, defaultSkin_);
    if (context_.skin.load(context_.prefs.currentSkinFolder())) {
        return true;
    }
    const std::string folder = skin::resetToDefaultSkin(context_.prefs, defaultSkin_);
    if (context_.skin.load(folder)) {
        return true;
    }
    restoreDamagedFiles(folder);
    return context_.skin.load(folder);
}

void SkinSwitcher::restoreDamagedFiles(const std::string& folder) {
    // The default skin's folder is Sonara's own: a required bitmap there that
    // does not decode is put aside as "<name>.damaged" and written again from
    // the built-in copy, so the default skin is always there to fall back on.
    for (int index = 0; index < skin::kFileCount; ++index) {
        const skin::SkinFileInfo& info = skin::fileInfo(index);
        if (!info.required || index == skin::kFontInfo || context_.skin.hasBitmap(index)) {
            continue;
        }
        if (const auto damaged = skin::findFile(folder, info.name)) {
            std::error_code error;
            std::filesystem::rename(*damaged, *damaged + ".damaged", error);
        }
        skin::extractBuiltInFile(defaultSkin_, index, folder);
    }
}

bool SkinSwitcher::loadOrRestore(const std::string& folder, const std::string& previousFolder) {
    if (context_.skin.load(folder)) {
        return true;
    }
    // A required bitmap that is there but does not decode: back to the skin
    // that was working.
    context_.skin.load(previousFolder);
    return false;
}

bool SkinSwitcher::select(const std::string& name, QWidget* root) {
    const std::string previousName = context_.prefs.values().currentSkin;
    const std::string previousFolder = context_.skin.folder();
    const auto folder = skin::selectSkin(context_.prefs, defaultSkin_, name);
    if (!folder) {
        return false;
    }
    if (!loadOrRestore(*folder, previousFolder)) {
        context_.prefs.setSkinName(previousName);
        (void)context_.prefs.saveAll();
        return false;
    }
    notifySkinChanged(root);
    return true;
}

Status SkinSwitcher::openPointerFile(const std::string& path, QWidget* root) {
    const std::string previousName = context_.prefs.values().currentSkin;
    const std::string previousSkins = context_.prefs.values().skinsFolder;
    const std::string previousFolder = context_.skin.folder();
    const auto folder = skin::applySkinPointerFile(context_.prefs, defaultSkin_, path);
    if (!folder) {
        return Status::failure(folder.error());
    }
    if (!loadOrRestore(folder.value(), previousFolder)) {
        context_.prefs.setSkinName(previousName);
        context_.prefs.setSkinsFolder(previousSkins);
        (void)context_.prefs.saveAll();
        return Status::failure("Unable to load the skin " + folder.value());
    }
    notifySkinChanged(root);
    return Status::success();
}

}  // namespace sonara::gui
