#include "core/settings/Colour.h"

#include <algorithm>

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
    return "(" + std::to_string(first) + "," + std::to_string(colour.green()) + "," +
           std::to_string(third) + ")";
}

}  // namespace sonara
