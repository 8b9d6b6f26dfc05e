#pragma once

#include <optional>
#include <string>
#include <string_view>

// The ID3v1 genre numbers and their names, with the common extension up to
// index 115. The names are stored exactly as players of the time showed them
// ("Alt. Rock", "Psychadelic", "Bebob", "Fusion" twice): library files and
// tags written earlier hold these spellings.
namespace sonara::genres {

constexpr int kCount = 116;
// The byte an ID3v1 block holds for "no genre".
constexpr int kNone = 255;

// The name of a genre index; empty for a negative index, 255 or anything
// above 115.
const std::string& name(int index);

// The first index whose name equals `genreName` ignoring case (A-Z only).
std::optional<int> indexOf(std::string_view genreName);

}  // namespace sonara::genres
