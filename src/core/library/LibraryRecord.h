#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
class PlainRecordWalk;
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
//
// The ten texts share one block, in the library file's order: one
// allocation per song for its texts, not ten. A record loaded from the
// library file borrows its texts from the file's bytes, which its Library
// keeps (no allocation, no copy); its first change, or a copy, gives it a
// block of its own. Setters rebuild the block, which is cheap for texts this
// short.
class LibraryRecord {
  public:
    enum class Text : uint8_t {
        FileName,
        MediaName,
        Genre,
        Comment,
        TagTitle,
        TagArtist,
        TagAlbum,
        Title,
        Artist,
        Reserved,
    };
    static constexpr size_t kTextCount = 10;

    LibraryRecord() = default;
    LibraryRecord(const LibraryRecord& other);
    LibraryRecord& operator=(const LibraryRecord& other);
    LibraryRecord(LibraryRecord&& other) noexcept;
    LibraryRecord& operator=(LibraryRecord&& other) noexcept;
    ~LibraryRecord() = default;

    std::string_view text(Text which) const;
    // All ten, in Text order.
    std::array<std::string_view, kTextCount> texts() const;
    void setText(Text which, std::string_view value);
    // All ten at once, in Text order: one buffer built once.
    void setTexts(const std::array<std::string_view, kTextCount>& values);

    std::string_view fileName() const { return text(Text::FileName); }
    std::string_view mediaName() const { return text(Text::MediaName); }
    std::string_view genre() const { return text(Text::Genre); }
    std::string_view comment() const { return text(Text::Comment); }
    std::string_view title() const { return text(Text::Title); }
    std::string_view artist() const { return text(Text::Artist); }
    std::string_view reserved() const { return text(Text::Reserved); }
    std::string_view tagTitle() const { return text(Text::TagTitle); }
    std::string_view tagArtist() const { return text(Text::TagArtist); }
    std::string_view tagAlbum() const { return text(Text::TagAlbum); }
    void setFileName(std::string_view v) { setText(Text::FileName, v); }
    void setMediaName(std::string_view v) { setText(Text::MediaName, v); }
    void setGenre(std::string_view v) { setText(Text::Genre, v); }
    void setComment(std::string_view v) { setText(Text::Comment, v); }
    void setTitle(std::string_view v) { setText(Text::Title, v); }
    void setArtist(std::string_view v) { setText(Text::Artist, v); }
    void setReserved(std::string_view v) { setText(Text::Reserved, v); }
    void setTagTitle(std::string_view v) { setText(Text::TagTitle, v); }
    void setTagArtist(std::string_view v) { setText(Text::TagArtist, v); }
    void setTagAlbum(std::string_view v) { setText(Text::TagAlbum, v); }

    int32_t playCount = 0;
    int32_t availability = kAvailabilityUnknown;
    int32_t lengthSeconds = 0;
    int32_t deleteMark = 0;  // transient, never stored

    bool hasTagTitleAndArtist() const { return !tagTitle().empty() && !tagArtist().empty(); }
    std::string displayTitle(const NormaliseOptions& options) const;
    std::string displayArtist(const NormaliseOptions& options) const;
    std::string displayAlbum(const NormaliseOptions& options) const;

    // The record in the library file's field order. read() returns false on
    // damage or a short file; the record is then incomplete. `scratch` is a
    // buffer the caller keeps across records, so reading allocates once.
    void write(ArchiveWriter& out) const;
    bool read(ArchiveReader& in, std::string& scratch);
    // The same from a reader over memory that outlives the record: a record
    // whose texts are all plain ASCII borrows them where they lie.
    bool readBorrowing(ArchiveReader& in, std::string& scratch);

  private:
    void assignTexts(std::string_view joined);
    bool borrowWalked(ArchiveReader& in, const PlainRecordWalk& walk);

    // The ten texts: back to back in owned_, exactly as long as they are
    // (ends_[9]), or borrowed in the library file's layout.
    const char* texts_ = nullptr;
    std::unique_ptr<char[]> owned_;
    std::array<uint32_t, kTextCount> ends_{};  // end of each text in texts_
    bool borrowed_ = false;
};

// Owns a library record. A record made on its own is deleted with it; one
// made in the block a library keeps for a whole loaded file is destroyed in
// place, as the block's memory goes with the library.
struct RecordDeleter {
    bool inBlock = false;
    void operator()(LibraryRecord* record) const;
};
using RecordPtr = std::unique_ptr<LibraryRecord, RecordDeleter>;

}  // namespace sonara
