#pragma once

#include <string>
#include <string_view>

namespace sonara {

// Artist and title guessed from a file name of the form "Artist - Title.mp3".
// Made once when a library record is built. The texts are the path's bytes;
// the split cuts only at ASCII characters, so UTF-8 stays whole.
struct FileNameSplit {
    std::string name;    // file name without folder and extension
    std::string artist;  // "Unknown" when the name gives none
    std::string title;
    std::string combined;  // artist + " - " + title
};

// The artist text used when a file name has none.
inline constexpr std::string_view kUnknownArtist = "Unknown";

// Splits at the last "-" of the name: "A - B - C" gives artist "A - B" and
// title "C"; a title starting with "(...)" loses that part ("X - (Live) Song"
// gives "Song"). A name without "-" is all title.
FileNameSplit splitFileName(std::string_view path);

}  // namespace sonara
