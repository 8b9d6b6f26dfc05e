#pragma once

#include "core/mainwnd/MenuItem.h"

namespace sonara {

// A menu as the program stores it, before any run-time change: texts from
// the string table ("%s" still in them), no check marks.
Menu menuResource(MenuId id);

}  // namespace sonara
