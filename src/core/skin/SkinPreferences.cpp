#include "core/skin/SkinPreferences.h"

#include <utility>

#include "core/settings/PreferenceStore.h"

namespace sonara {

std::string SkinPreferences::skinsFolder() {
    return store_.skinsFolder();
}

std::string SkinPreferences::currentSkinFolder() {
    return store_.currentSkinFolder();
}

void SkinPreferences::setSkinName(std::string name) {
    store_.setSkinName(std::move(name));
}

void SkinPreferences::setSkinsFolder(std::string folder) {
    store_.setSkinsFolder(std::move(folder));
}

Status SkinPreferences::saveAll() const {
    return store_.saveAll();
}

}  // namespace sonara
