#pragma once

#include <string>

#include "core/io/Result.h"

namespace sonara {

class PreferenceStore;

// The preferences that choosing a skin reads and changes ("SkinsFolder",
// "CurrentSkin") and the save that keeps them: a view of the store, which
// it borrows.
class SkinPreferences {
  public:
    // Implicit: whoever holds the store hands it over as this view.
    SkinPreferences(PreferenceStore& store)  // NOLINT(google-explicit-constructor)
        : store_(store) {}

    // "SkinsFolder" ending in '/' (the program folder's "Skins/" when empty).
    std::string skinsFolder();
    std::string currentSkinFolder();
    void setSkinName(std::string name);
    void setSkinsFolder(std::string folder);
    // Writes every preference, as the store's only save does.
    Status saveAll() const;

  private:
    PreferenceStore& store_;
};

}  // namespace sonara
