#pragma once

#include <string>
#include <string_view>

// Text rules shared by every layer. Strings in memory are UTF-8; comparison
// "ignoring case" folds only the letters A to Z, byte by byte.
namespace sonara::text {

inline char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// -1, 0 or 1, comparing bytes after folding A-Z to lower case.
int compareNoCase(std::string_view a, std::string_view b);
inline bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}
std::string toLowerAscii(std::string_view s);
std::string toUpperAscii(std::string_view s);
bool endsWithNoCase(std::string_view s, std::string_view suffix);

bool isValidUtf8(std::string_view bytes);

// Bytes from a data file or tag: kept when they are valid UTF-8, otherwise
// taken as Windows-1252 (what the Windows program wrote) and converted.
std::string fromLegacy(std::string_view bytes);
std::string latin1ToUtf8(std::string_view bytes);
// UTF-8 to ISO-8859-1; a character Latin-1 cannot hold becomes '?'.
std::string utf8ToLatin1(std::string_view utf8);
// UTF-16LE code units (as read from a data file) to UTF-8.
std::string utf16ToUtf8(std::u16string_view units);

// White space as the C library's isspace sees it in the "C" locale.
inline bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
std::string_view trimLeft(std::string_view s);
std::string_view trimRight(std::string_view s);
std::string_view trim(std::string_view s);

}  // namespace sonara::text
