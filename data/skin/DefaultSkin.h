#pragma once

#include "core/skin/BuiltInSkin.h"

namespace sonara::skin {

// The default skin compiled into the program.
const BuiltInSkin& defaultSkin();

}  // namespace sonara::skin
