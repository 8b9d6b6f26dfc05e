#include "core/mainwnd/CaptionTicker.h"

#include <vector>

#include "core/app/StringTable.h"

namespace sonara {

namespace {

constexpr std::string_view kSongSeparator = "  ***  ";
constexpr std::string_view kIdleSeparator = "          ";

// Where each character of `text` starts, and its end.
std::vector<size_t> characterStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 || starts.empty()) {
            starts.push_back(i);
        }
    }
    starts.push_back(text.size());
    return starts;
}

std::string firstCharacters(std::string_view text, size_t count) {
    const std::vector<size_t> starts = characterStarts(text);
    const size_t chars = starts.size() - 1;
    return std::string(text.substr(0, starts[std::min(count, chars)]));
}

}  // namespace

std::string CaptionTicker::initialCaption() {
    return stringText(TextId::ProgramName) + std::string(kIdleSeparator);
}

std::string CaptionTicker::tick(std::string_view nowPlaying, bool scroll) {
    const std::string& name = stringText(TextId::ProgramName);
    if (!scroll) {
        offset_ = 0;
        return firstCharacters(name, kMaxChars);
    }
    std::string text(nowPlaying);
    text += nowPlaying == name ? kIdleSeparator : kSongSeparator;

    const std::vector<size_t> starts = characterStarts(text);
    const size_t chars = starts.size() - 1;
    // A shorter caption than the last one (a new song) starts over.
    if (offset_ >= chars) {
        offset_ = 0;
    }
    const size_t at = starts[offset_];
    std::string rotated = text.substr(at) + text.substr(0, at);
    offset_ = (offset_ + 1) % chars;
    return firstCharacters(rotated, kMaxChars);
}

}  // namespace sonara
