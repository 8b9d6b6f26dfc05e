#include "core/settings/Colour.h"

#include <algorithm>
#include <cstdio>

#include "core/settings/TextScanner.h"

namespace sonara {

Colour Colour::fromRgb(int red, int green, int blue) {
    const auto part = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return Colour{part(red) | part(green) << 8 | part(blue) << 16};
}

std::optional<Colour> parseColour(std::string_view text, bool swap) {
    TextScanner scan(text);
    int first = 0;
    int second = 0;
    int third = 0;
    // As with sscanf, the closing parenthesis is not needed.
    if (!scan.literal('(') || !scan.signedInt(first) || !scan.literal(',') ||
        !scan.signedInt(second) || !scan.literal(',') || !scan.signedInt(third)) {
        return std::nullopt;
    }
    return swap ? Colour::fromRgb(third, second, first) : Colour::fromRgb(first, second, third);
}

std::string formatColour(Colour colour, bool swap) {
    const int first = swap ? colour.blue() : colour.red();
    const int third = swap ? colour.red() : colour.blue();
    // snprintf rather than string concatenation, which trips GCC 12's
    // -Wrestrict false positive at -O3.
    char text[40];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", first, colour.green(), third);
    return text;
}

}  // namespace sonara
