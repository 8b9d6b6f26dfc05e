#pragma once

#include <string>

// The FontInfo.ini texts of the bundled skins.
namespace sonara::skingen {

// The built-in skin's own file.
std::string defaultFontInfoText();
// The light skin: the same keys, every colour its own, and a large strip
// without captions (the buttons draw them).
std::string daylightFontInfoText();

}  // namespace sonara::skingen
