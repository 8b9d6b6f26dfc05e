#pragma once

#include <string_view>
#include <vector>

#include "core/skin/BuiltInSkin.h"

namespace sonara::skin {

// The default skin compiled into the program.
const BuiltInSkin& defaultSkin();

// A skin that ships with the program and is written into the skins folder.
struct BundledSkin {
    std::string_view name;
    const BuiltInSkin& files;
};

// "Default" first, then the other skins drawn with it ("Daylight", a light
// theme whose buttons draw their own captions).
std::vector<BundledSkin> bundledSkins();

}  // namespace sonara::skin
