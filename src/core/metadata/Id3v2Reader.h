#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace sonara {

// Values of an ID3v2 tag at the start of a file, as UTF-8.
struct Id3v2Values {
    std::string title;
    std::string artist;
    std::string album;
    std::string genre;  // a name; numeric genres 0..115 become the genre table's names
    std::string comment;
};

// True when `head` (the first bytes of a file) starts with an ID3v2 header:
// "ID3", a major version 2 to 4, a revision other than 0xFF and four size
// bytes below 0x80. Lets callers skip the tag library for most files.
bool hasId3v2Header(std::span<const uint8_t> head);

// The ID3v2 tag of the file at `path`; nullopt when the file cannot be read,
// has no ID3v2 header or its tag holds none of the five values. Audio
// properties are not read, so this costs little more than the tag's bytes.
// Never throws.
std::optional<Id3v2Values> readId3v2(const std::string& path);

// How many bytes the ID3v2 tag whose header starts `head` takes at the start
// of the file (header, frames, padding, footer); 0 without a header.
size_t id3v2TagSize(std::span<const uint8_t> head);
// The same values from the tag's bytes alone (the first id3v2TagSize()
// bytes of the file), for callers that already have the file open.
std::optional<Id3v2Values> parseId3v2(std::span<const uint8_t> tagBytes);

}  // namespace sonara
