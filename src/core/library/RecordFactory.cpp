#include "core/library/RecordFactory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "core/io/FileAttributes.h"
#include "core/library/LengthProbe.h"
#include "core/metadata/FileNameSplit.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/Id3v2Reader.h"
#include "core/metadata/TagLayout.h"
#include "core/metadata/TagRecord.h"

namespace sonara {

namespace {

// The bytes a record needs from the file itself: the first ten (an ID3v2
// header) and the tag blocks at the end, read through one descriptor.
struct FileEnds {
    std::array<uint8_t, 10> head{};
    size_t headSize = 0;
    std::vector<uint8_t> tail;
    std::vector<uint8_t> id3v2;  // the ID3v2 tag's bytes, when asked for and present
    uint64_t size = 0;
    bool readable = false;
    // From the probe, through the same descriptor; nothing when it needs the path.
    std::optional<int64_t> lengthMs;
};

// A tag larger than this is damage or hostile: it is not read.
constexpr size_t kMaxId3v2Size = 16 << 20;

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool readAt(int fd, uint8_t* into, size_t n, uint64_t offset) {
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd, into + done, n - done, off_t(offset + done));
        if (got <= 0) {
            return false;
        }
        done += size_t(got);
    }
    return true;
}

// Reads the file's ends and, through the same descriptor, asks the probe for
// its length, so each new file of a scan is opened once.
FileEnds readEnds(const std::string& path, bool wantId3v2, LengthProbe* probe) {
    FileEnds ends;
    // O_NONBLOCK so that a FIFO named like an MP3 cannot hang the scan.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return ends;
    }
    ends.size = uint64_t(st.st_size);
    if (probe != nullptr) {
        ends.lengthMs = probe->lengthMillisecondsOfOpenFile(fd.get(), ends.size);
    }
    ends.headSize = size_t(std::min<uint64_t>(ends.size, ends.head.size()));
    const size_t tailSize = size_t(std::min<uint64_t>(ends.size, TagLayout::kTailSize));
    ends.tail.resize(tailSize);
    ends.readable = readAt(fd.get(), ends.head.data(), ends.headSize, 0) &&
                    readAt(fd.get(), ends.tail.data(), tailSize, ends.size - tailSize);
    // The ID3v2 tag only matters for a file without an ID3v1 block.
    const bool hasId3v1Magic =
        tailSize >= TagLayout::kId3v1Size &&
        std::memcmp(ends.tail.data() + tailSize - TagLayout::kId3v1Size, "TAG", 3) == 0;
    if (ends.readable && wantId3v2 && !hasId3v1Magic) {
        const size_t tagSize =
            id3v2TagSize(std::span<const uint8_t>(ends.head.data(), ends.headSize));
        if (tagSize > 0 && tagSize <= kMaxId3v2Size && tagSize <= ends.size) {
            ends.id3v2.resize(tagSize);
            if (!readAt(fd.get(), ends.id3v2.data(), tagSize, 0)) {
                ends.id3v2.clear();
            }
        }
    }
    return ends;
}

}  // namespace

std::unique_ptr<LibraryRecord> RecordFactory::create(const std::string& path,
                                                     const std::string& mediaName) {
    std::unique_ptr<LibraryRecord> record(new (std::nothrow) LibraryRecord());
    if (!record) {
        return nullptr;
    }
    const std::string fileName = files::namePart(path);
    record->availability = kAvailable;
    record->lengthSeconds = 0;

    // Tag values stay empty without a tag; the year is not kept.
    std::string tagTitle, tagArtist, tagAlbum, genre, comment;
    const FileEnds ends = readEnds(path, useId3v2Tags_, probe_);
    int64_t lengthMs = ends.lengthMs.value_or(0);
    if (!ends.lengthMs && probe_ != nullptr) {
        lengthMs = probe_->lengthMilliseconds(path);  // probes that need the path
    }
    record->lengthSeconds = int32_t(std::max<int64_t>(lengthMs, 0) / 1000);
    TagRecord tag(path);
    if (ends.readable && tag.parseTail(ends.tail, ends.size)) {
        tagTitle = std::move(tag.title);
        tagArtist = std::move(tag.artist);
        tagAlbum = std::move(tag.album);
        genre = tag.genreName();
        comment = std::move(tag.comment);
    } else if (!ends.id3v2.empty()) {
        if (auto values = parseId3v2(ends.id3v2)) {
            tagTitle = std::move(values->title);
            tagArtist = std::move(values->artist);
            tagAlbum = std::move(values->album);
            genre = std::move(values->genre);
            comment = std::move(values->comment);
        }
    }

    const FileNameSplit split = splitFileName(path);
    using T = LibraryRecord::Text;
    std::array<std::string_view, LibraryRecord::kTextCount> texts{};
    texts[size_t(T::FileName)] = fileName;
    texts[size_t(T::MediaName)] = mediaName;
    texts[size_t(T::Genre)] = genre;
    texts[size_t(T::Comment)] = comment;
    texts[size_t(T::TagTitle)] = tagTitle;
    texts[size_t(T::TagArtist)] = tagArtist;
    texts[size_t(T::TagAlbum)] = tagAlbum;
    texts[size_t(T::Title)] = split.title;
    texts[size_t(T::Artist)] = split.artist;
    record->setTexts(texts);
    return record;
}

}  // namespace sonara
