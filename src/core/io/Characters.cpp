#include "core/io/Characters.h"

#include "core/io/Text.h"

namespace sonara::text {

namespace {

size_t sequenceLength(unsigned char lead) {
    if (lead < 0xC2 || lead > 0xF4) {
        return 1;  // ASCII, a stray continuation byte or an impossible lead
    }
    return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

std::string_view firstCharacter(std::string_view text) {
    if (text.empty()) {
        return text;
    }
    const size_t want = sequenceLength(static_cast<unsigned char>(text[0]));
    size_t n = 1;
    while (n < want && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
        ++n;
    }
    return text.substr(0, n);
}

size_t characterCount(std::string_view text) {
    size_t count = 0;
    while (!text.empty()) {
        text.remove_prefix(firstCharacter(text).size());
        ++count;
    }
    return count;
}

bool startsWithCharacter(std::string_view value, std::string_view character) {
    const std::string_view wanted = firstCharacter(character);
    return !wanted.empty() && equalsNoCase(firstCharacter(value), wanted);
}

}  // namespace sonara::text
