#pragma once

#include <string>
#include <string_view>

namespace sonara {

// The "Filename Filtering" preferences, applied to every title, artist and
// album before it is shown, sorted, exported or copied into a play list.
struct NormaliseOptions {
    bool useTagInfo = true;  // "UseTagInfoDBAdd"
    bool replaceUnderscore = true;
    bool replaceBrackets = true;
    bool replaceParens = true;
    bool firstLetterCaps = true;
};

// In this order, each step only when its option is on: remove "[" and "]";
// remove "(" and ")"; turn "_" into blanks and trim; upper-case the first
// character and every character after a blank (nothing is lower-cased). The
// result is always trimmed. `useTagInfo` plays no part here.
//
// Upper-casing covers ASCII and the Latin-1 lower-case letters (U+00E0 to
// U+00FE but U+00F7), the letters the single-byte text of the blocks holds.
std::string normalise(std::string_view text, const NormaliseOptions& options);

// A display title or artist: the tag's value when the options say to use tag
// information and the tag has both title and artist, else the value from the
// file name; normalised.
std::string chooseDisplay(std::string_view tagValue, std::string_view fileValue,
                          bool tagHasTitleAndArtist, const NormaliseOptions& options);

}  // namespace sonara
