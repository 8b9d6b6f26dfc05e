#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sonara {

// A colour as the INI files and the skin keep it: red | green << 8 | blue << 16.
struct Colour {
    uint32_t value = 0;

    // Each part is limited to 0..255, so a stray 300 cannot spill into the
    // next part.
    static Colour fromRgb(int red, int green, int blue);
    int red() const { return int(value & 0xFF); }
    int green() const { return int((value >> 8) & 0xFF); }
    int blue() const { return int((value >> 16) & 0xFF); }
    bool operator==(const Colour&) const = default;
};

// "(%d,%d,%d)": red, green, blue; with `swap` the numbers are blue, green,
// red. Nothing unless all three numbers are there.
std::optional<Colour> parseColour(std::string_view text, bool swap = false);
std::string formatColour(Colour colour, bool swap = false);

}  // namespace sonara
