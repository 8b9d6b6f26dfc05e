#pragma once

#include <string>
#include <string_view>

#include "core/io/Text.h"

// Matching what the user types against what the library holds, whatever the
// script: full Unicode case folding ("BJÖRK" and "björk", "КИНО" and "кино"
// fold alike). File names keep the A to Z rule of Text.h, so that the songs a
// library holds never depend on this.
namespace sonara::text {

bool isAscii(std::string_view text);

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
