#pragma once

#include <cstddef>
#include <string>

#include "core/app/TextId.h"

namespace sonara {

// Every user-visible text that the program words itself, by its id.
// An id without a text (only reachable by a cast) gives an empty text.
const std::string& stringText(TextId id);

// printf-style %s replacement for the table's texts (no other conversions).
std::string formatText(TextId id, const std::string& arg);
std::string formatText(TextId id, const std::string& arg1, const std::string& arg2);

// How many texts the table holds, for the check that kAllTextIds names them all.
std::size_t stringTableSize();

}  // namespace sonara
