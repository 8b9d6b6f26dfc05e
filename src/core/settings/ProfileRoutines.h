#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app/TextId.h"
#include "core/settings/Colour.h"
#include "core/settings/IniFile.h"

// The small profile routines the skin and the visualisation settings use on
// their own INI files (FontInfo.ini). The caller loads the file into an
// IniFile, reads and writes through these, and saves it.
namespace sonara {

// The value or, when the key is absent, string-table text `defaultTextId`
// (no default without one), cut to 511 characters. True when any character came
// back.
bool readProfileText(const IniFile& file, std::string_view section, std::string_view key,
                     std::optional<TextId> defaultTextId, std::string& text);

void writeProfileInt(IniFile& file, std::string_view section, std::string_view key, int value);

// "(r,g,b)" with the string-table text `defaultTextId` as default. A stored
// text that is no colour gives the default's colour.
Colour readProfileColour(const IniFile& file, std::string_view section, std::string_view key,
                         TextId defaultTextId);

// `defaultColour` when the key is missing, empty or no colour; with `swap`
// the stored numbers are blue, green, red.
Colour readProfileColour(const IniFile& file, std::string_view section, std::string_view key,
                         Colour defaultColour, bool swap);

void writeProfileColour(IniFile& file, std::string_view section, std::string_view key,
                        Colour colour, bool swap);

}  // namespace sonara
