#include "core/settings/PreferencePageRules.h"

#include <charconv>

#include "core/app/StringTable.h"

namespace sonara {

PlayerPageEnabling playerPageEnabling(bool ownPlayerChosen, bool randomAddChecked,
                                      const OutsidePlayerInfo& player) {
    PlayerPageEnabling enabling;
    enabling.ownPlayerControls = ownPlayerChosen;
    enabling.otherPlayerRadio = player.known;
    const bool other = !ownPlayerChosen && player.known;
    enabling.otherOpen = other && player.canOpen;
    enabling.otherPlay = other && player.canPlay;
    enabling.otherEnqueue = other && player.canEnqueue;
    enabling.genreButton = ownPlayerChosen && randomAddChecked;
    return enabling;
}

int offeredPlayerAction(int stored, const OutsidePlayerInfo& player) {
    constexpr int kOpen = 0;
    constexpr int kPlay = 1;
    constexpr int kEnqueue = 2;
    if (!player.described) {
        return kPlay;
    }
    const bool has[] = {player.canOpen, player.canPlay, player.canEnqueue};
    if (stored >= kOpen && stored <= kEnqueue && has[stored]) {
        return stored;
    }
    if (player.canPlay) {
        return kPlay;
    }
    return player.canOpen ? kOpen : kEnqueue;
}

Result<int> parseBufferSize(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < kMinBufferSizeK || value > kMaxBufferSizeK) {
        return Result<int>::failure(
            ErrorKind::Invalid,
            formatText(TextId::IntegerOutOfRange, std::to_string(kMinBufferSizeK),
                       std::to_string(kMaxBufferSizeK)));
    }
    return value;
}

}  // namespace sonara
