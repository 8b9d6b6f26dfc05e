#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/metadata/GenreTable.h"

namespace sonara {

// The tag blocks at the end of an MP3 file as one value: the ID3v1 block, the
// extended "TAG+" block that holds title, artist and album characters beyond
// the 30 that ID3v1 has room for, and our "SNTG" marker in front of an
// extended block we wrote (see TagLayout for the places).
//
// Texts are UTF-8 in memory. On disk they are ISO-8859-1 and widths count
// on-disk characters; a character Latin-1 cannot hold is written as '?', so
// writers of texts people typed refuse those first (checkTagCharacters()).
// Reading keeps valid UTF-8 that other taggers put into the blocks and takes
// anything else as Windows-1252.
//
// A short-lived value: no file stays open between calls, and every call that
// touches the file opens and closes it itself.
class TagRecord {
  public:
    // Field widths on disk.
    static constexpr size_t kTextWidth = 30;  // title, artist, album, comment
    static constexpr size_t kYearWidth = 4;
    static constexpr size_t kExtendedTextWidth = 60;
    static constexpr size_t kFreeTextGenreWidth = 30;
    static constexpr size_t kTimeWidth = 6;
    // Title, artist and album keep at most this many characters on disk.
    static constexpr size_t kMaxTextLength = kTextWidth + kExtendedTextWidth;

    // The bytes a write puts into the file: `bytes` replace the file's content
    // from `offset` on (the file grows when they reach past its end).
    struct Patch {
        uint64_t offset = 0;
        std::vector<uint8_t> bytes;
    };

    TagRecord() = default;
    explicit TagRecord(std::string path) : path_(std::move(path)) {}

    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }

    // Fills the record from the file. True when the file has an ID3v1 block;
    // false also when it cannot be opened or is shorter than 128 bytes. Every
    // text field is emptied first; genre and speed change only when their
    // block is there.
    bool read();

    // What read() does, on bytes the caller already holds: `tail` is the last
    // tail.size() bytes of a file of `fileSize` bytes, ideally
    // min(fileSize, TagLayout::kTailSize) of them. Touches no file.
    bool parseTail(std::span<const uint8_t> tail, uint64_t fileSize);

    // Probes of the file as it is now (false when it cannot be read).
    bool hasId3v1() const;
    // "SNTG" at size - 359 or "TAG+" at size - 355.
    bool hasExtendedBlock() const;

    // Writes the ID3v1 block, and the extended block in front of it when
    // title, artist or album is longer than 30 characters or the file already
    // has one. The file is patched in place, never rewritten. False when the
    // file cannot be opened for writing, is shorter than 128 bytes, or a write
    // failed; a failed write that had grown the file cuts it back. The record
    // itself is not changed.
    bool write() const;

    // What write() puts into a file whose last bytes are `tail` (as for
    // parseTail); nullopt for a file shorter than 128 bytes. Touches no file.
    std::optional<Patch> planWrite(std::span<const uint8_t> tail, uint64_t fileSize) const;

    // Stores the low byte of `index`, so -1 becomes 255 ("no genre").
    void setGenre(int index) { genre = static_cast<uint8_t>(index & 0xFF); }
    // The genre name of `index`, or of the record's own genre for -1; empty
    // when the index has no name.
    const std::string& genreName(int index = -1) const;
    // The first genre index whose name equals `name` ignoring case.
    static std::optional<int> genreIndex(std::string_view name) { return genres::indexOf(name); }

    // ID3v1 fields. After a read, title, artist and album hold the whole text:
    // the ID3v1 part followed by the extended part.
    std::string title;
    std::string artist;
    std::string album;
    std::string year;
    std::string comment;
    uint8_t genre = genres::kNone;

    // Extended block. After a read the three extended texts hold the parts
    // that came from the extended block alone; a write derives them from
    // title, artist and album. Speed, free-text genre and the two times are
    // never interpreted, only carried from a read to a later write.
    std::string extendedTitle;
    std::string extendedArtist;
    std::string extendedAlbum;
    uint8_t speed = 0;  // "unset" in the extended block's own terms
    std::string freeTextGenre;
    std::string startTime;
    std::string endTime;

  private:
    void clearTexts();

    std::string path_;
};

}  // namespace sonara
