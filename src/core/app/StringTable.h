#pragma once

#include <string>

namespace sonara {

// Every user-visible text that the program words itself, by its number.
// Unknown numbers give an empty text.
const std::string& stringText(int id);

// printf-style %s replacement for the table's texts (no other conversions).
std::string formatText(int id, const std::string& arg);
std::string formatText(int id, const std::string& arg1, const std::string& arg2);

}  // namespace sonara
