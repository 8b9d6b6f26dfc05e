#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/io/Text.h"

// Matching what the user types against what the library holds, whatever the
// script: full Unicode case folding ("BJÖRK" and "björk", "КИНО" and "кино"
// fold alike). File names keep the A to Z rule of Text.h, so that the songs a
// library holds never depend on this.
namespace sonara::text {

// A word at a time, the last word overlapping the one before it: callers
// test every text of a library with it.
inline bool isAscii(std::string_view text) {
    const char* p = text.data();
    const size_t n = text.size();
    uint64_t highs = 0;
    uint64_t word = 0;
    if (n >= 8) {
        for (size_t i = 0; i + 8 <= n; i += 8) {
            std::memcpy(&word, p + i, 8);
            highs |= word;
        }
        std::memcpy(&word, p + n - 8, 8);
        highs |= word;
    } else {
        for (size_t i = 0; i < n; ++i) {
            highs |= static_cast<unsigned char>(p[i]);
        }
    }
    return (highs & 0x8080808080808080ULL) == 0;
}

// The folded form of `text` into `out` (replaced). ASCII text takes the A to
// Z rule without a call into the Unicode tables. A byte that is not part of
// well-formed UTF-8 is kept as it is.
void foldCaseInto(std::string_view text, std::string& out);
std::string foldCase(std::string_view text);

// Whether the two texts fold alike. Texts equal with A to Z folded, most
// pairs, are settled without the Unicode tables; the second test is for the
// rest.
bool foldedAlikeBeyondAscii(std::string_view a, std::string_view b);
inline bool equalsFolded(std::string_view a, std::string_view b) {
    return equalsNoCase(a, b) || foldedAlikeBeyondAscii(a, b);
}
// Whether the first character of `value` folds like the first character of
// `character`; an empty value or character never matches.
bool startsWithFolded(std::string_view value, std::string_view character);

}  // namespace sonara::text
