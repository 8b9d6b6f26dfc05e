#pragma once

#include <cstddef>
#include <string_view>

// UTF-8 characters for the rules that speak of "the first character" or "at
// least two characters": counting bytes would split "É" or count it twice.
namespace sonara::text {

// The first character of `text` (empty for an empty text). A byte that does
// not start a well-formed sequence is a character of its own, so any bytes
// split into characters and nothing is read past the end.
std::string_view firstCharacter(std::string_view text);
size_t characterCount(std::string_view text);
// Whether `value` starts with the first character of `character`, A to Z
// folded; an empty value or character never matches.
bool startsWithCharacter(std::string_view value, std::string_view character);

}  // namespace sonara::text
