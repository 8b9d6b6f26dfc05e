#include "core/settings/ProfileRoutines.h"

#include "core/app/StringTable.h"

namespace sonara {

bool readProfileText(const IniFile& file, std::string_view section, std::string_view key,
                     std::optional<TextId> defaultTextId, std::string& text) {
    const std::string& fallback = defaultTextId ? stringText(*defaultTextId) : std::string();
    text = file.getText(section, key, fallback);
    return !text.empty();
}

// The callers' section and key names are fixed and valid: set() can only fail
// for want of memory.
void writeProfileInt(IniFile& file, std::string_view section, std::string_view key, int value) {
    (void)file.setInt(section, key, value);
}

Colour readProfileColour(const IniFile& file, std::string_view section, std::string_view key,
                         TextId defaultTextId) {
    std::string text;
    readProfileText(file, section, key, defaultTextId, text);
    if (const auto colour = parseColour(text)) {
        return *colour;
    }
    return parseColour(stringText(defaultTextId)).value_or(Colour{});
}

Colour readProfileColour(const IniFile& file, std::string_view section, std::string_view key,
                         Colour defaultColour, bool swap) {
    const std::optional<std::string> text = file.get(section, key);
    if (!text || text->empty()) {
        return defaultColour;
    }
    return parseColour(*text, swap).value_or(defaultColour);
}

void writeProfileColour(IniFile& file, std::string_view section, std::string_view key,
                        Colour colour, bool swap) {
    (void)file.set(section, key, formatColour(colour, swap));
}

}  // namespace sonara
