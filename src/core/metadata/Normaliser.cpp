#include "core/metadata/Normaliser.h"

#include <algorithm>

#include "core/io/Text.h"

namespace sonara {

namespace {

void removeAll(std::string& s, char a, char b) {
    s.erase(std::remove_if(s.begin(), s.end(), [a, b](char c) { return c == a || c == b; }),
            s.end());
}

// Upper-cases the character that starts at s[i], if it has an upper case form
// among the characters handled.
void upperCaseAt(std::string& s, size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 'a' && c <= 'z') {
        s[i] = char(c - 'a' + 'A');
        return;
    }
    // U+00E0..U+00FE are C3 A0..C3 BE in UTF-8; their capitals are 0x20 lower.
    if (c == 0xC3 && i + 1 < s.size()) {
        const auto next = static_cast<unsigned char>(s[i + 1]);
        if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {  // B7: the division sign
            s[i + 1] = char(next - 0x20);
        }
    }
}

}  // namespace

std::string normalise(std::string_view input, const NormaliseOptions& options) {
    std::string s(input);
    if (options.replaceBrackets) {
        removeAll(s, '[', ']');
    }
    if (options.replaceParens) {
        removeAll(s, '(', ')');
    }
    if (options.replaceUnderscore) {
        std::replace(s.begin(), s.end(), '_', ' ');
        s = std::string(text::trim(s));
    }
    if (options.firstLetterCaps) {
        s = std::string(text::trimLeft(s));
        for (size_t i = 0; i < s.size(); ++i) {
            if (i == 0 || s[i - 1] == ' ') {
                upperCaseAt(s, i);
            }
        }
    }
    return std::string(text::trim(s));
}

std::string chooseDisplay(std::string_view tagValue, std::string_view fileValue,
                          bool tagHasTitleAndArtist, const NormaliseOptions& options) {
    const bool useTag = options.useTagInfo && tagHasTitleAndArtist;
    return normalise(useTag ? tagValue : fileValue, options);
}

}  // namespace sonara
