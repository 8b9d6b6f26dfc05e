#pragma once

#include <cstdint>
#include <string>

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
struct NormaliseOptions;

// Record availability codes.
enum Availability : int32_t {
    kAvailabilityUnknown = -1,
    kAvailable = 0,
    kMissing = 4,
    kMissingOnMedia = 5,
};

// One song of the library. Its identity is the bare file name, compared
// ignoring case; no folder is stored, so a song moved between folders or
// disks stays the same record. Texts are UTF-8.
struct LibraryRecord {
    std::string fileName;
    std::string mediaName;
    int32_t playCount = 0;
    int32_t availability = kAvailabilityUnknown;
    std::string genre;
    std::string comment;
    int32_t lengthSeconds = 0;
    int32_t deleteMark = 0;  // transient, never stored
    std::string title;
    std::string artist;
    std::string reserved;
    std::string tagTitle;
    std::string tagArtist;
    std::string tagAlbum;

    bool hasTagTitleAndArtist() const { return !tagTitle.empty() && !tagArtist.empty(); }
    std::string displayTitle(const NormaliseOptions& options) const;
    std::string displayArtist(const NormaliseOptions& options) const;
    std::string displayAlbum(const NormaliseOptions& options) const;

    // The record in the library file's field order. read() returns false on
    // damage or a short file; the record is then incomplete.
    void write(ArchiveWriter& out) const;
    bool read(ArchiveReader& in);
};

}  // namespace sonara
