#include "core/settings/WindowPlacement.h"

#include "core/settings/TextScanner.h"

namespace sonara {

std::optional<WindowPlacement> parseWindowPlacement(std::string_view text) {
    WindowPlacement p;
    TextScanner scan(text);
    // As with sscanf, the closing parenthesis after the eighth field is not
    // needed.
    const bool complete =
        scan.unsignedInt(p.flags) && scan.literal(',') && scan.unsignedInt(p.showCommand) &&
        scan.literal(',') && scan.literal('(') && scan.signedInt(p.minX) && scan.literal(',') &&
        scan.signedInt(p.minY) && scan.literal(')') && scan.literal(',') && scan.literal('(') &&
        scan.signedInt(p.left) && scan.literal(',') && scan.signedInt(p.top) && scan.literal(',') &&
        scan.signedInt(p.right) && scan.literal(',') && scan.signedInt(p.bottom);
    if (!complete) {
        return std::nullopt;
    }
    return p;
}

std::string formatWindowPlacement(const WindowPlacement& p) {
    using std::to_string;
    return to_string(p.flags) + "," + to_string(p.showCommand) + ",(" + to_string(p.minX) + "," +
           to_string(p.minY) + "),(" + to_string(p.left) + "," + to_string(p.top) + "," +
           to_string(p.right) + "," + to_string(p.bottom) + ")";
}

}  // namespace sonara
