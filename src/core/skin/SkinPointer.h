#pragma once

#include <optional>
#include <string>
#include <string_view>

// A ".snx" file: its text names a skin folder, as skins folder + skin name.
namespace sonara::skin {

struct SkinPointer {
    std::string skinsFolder;  // ending in '/'
    std::string skinName;
};

// A trailing separator is dropped, then the text splits at its last one
// ('/' or '\'). Nothing for a text without a separator or with an empty
// name; surrounding white space and line ends are ignored.
std::optional<SkinPointer> parseSkinPointer(std::string_view text);

}  // namespace sonara::skin
