#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sonara {

// Names as portable players keep them: MTP devices and FAT file systems
// refuse some characters, trailing dots and spaces and names over 255 bytes,
// and FAT does not tell ASCII upper from lower case.

// `name` (one file name, no folders) made acceptable: each of : * ? " < > | \ /
// and every control character becomes "_", trailing dots and spaces go, and
// a name over 255 bytes is cut on a UTF-8 character boundary keeping its
// extension. Everything else, UTF-8 included, is kept; nothing left gives "_".
std::string deviceSafeName(std::string_view name);

// Whether two names are one file on the player (ASCII case ignored).
bool sameDeviceName(std::string_view a, std::string_view b);

// `name` itself when no name in `taken` is the same file, otherwise the first
// free "stem (2).ext", "stem (3).ext" ..., still within 255 bytes.
std::string uniqueDeviceName(std::string_view name, const std::vector<std::string>& taken);

// The name without its extension: up to the last "." of the part after the
// last "/" ("01. Intro.mp3" gives "01. Intro", "Rock/a.mp3" gives "Rock/a").
// A dot that begins the file name part starts no extension.
std::string_view deviceFileStem(std::string_view name);

}  // namespace sonara
