#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/Command.h"

namespace sonara {

// A dialog as a picture or a measurement names it: the command its menu
// gives, and whether that command works on the library list's selection
// (the first row is selected before it runs).
struct NamedDialog {
    std::string_view name;
    Command command;
    bool onSelection = false;
};

// The dialog called `name` ("preferences", "wizard", "about"...), exactly
// as written; nothing for any other name.
std::optional<NamedDialog> namedDialog(std::string_view name);
// Every name, separated by ", ", for usage messages.
std::string dialogNameList();
// Every named dialog, in the order of the list.
std::span<const NamedDialog> namedDialogs();

}  // namespace sonara
