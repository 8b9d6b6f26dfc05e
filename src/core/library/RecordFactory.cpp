#include "core/library/RecordFactory.h"

#include <array>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
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
    uint64_t size = 0;
    bool readable = false;
};

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

FileEnds readEnds(const std::string& path) {
    FileEnds ends;
    // O_NONBLOCK so that a FIFO named like an MP3 cannot hang the scan.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return ends;
    }
    ends.size = uint64_t(st.st_size);
    ends.headSize = size_t(std::min<uint64_t>(ends.size, ends.head.size()));
    const size_t tailSize = size_t(std::min<uint64_t>(ends.size, TagLayout::kTailSize));
    ends.tail.resize(tailSize);
    ends.readable = readAt(fd.get(), ends.head.data(), ends.headSize, 0) &&
                    readAt(fd.get(), ends.tail.data(), tailSize, ends.size - tailSize);
    return ends;
}

}  // namespace

std::unique_ptr<LibraryRecord> RecordFactory::create(const std::string& path,
                                                     const std::string& mediaName) {
    std::unique_ptr<LibraryRecord> record(new (std::nothrow) LibraryRecord());
    if (!record) {
        return nullptr;
    }
    record->fileName = files::namePart(path);
    record->mediaName = mediaName;
    record->availability = kAvailable;
    record->lengthSeconds = 0;
    if (probe_ != nullptr) {
        record->lengthSeconds = int32_t(probe_->lengthMilliseconds(path) / 1000);
    }

    const FileEnds ends = readEnds(path);
    TagRecord tag(path);
    if (ends.readable && tag.parseTail(ends.tail, ends.size)) {
        record->tagTitle = tag.title;
        record->tagArtist = tag.artist;
        record->tagAlbum = tag.album;
        record->genre = tag.genreName();
        record->comment = tag.comment;
    } else if (useId3v2Tags_ && ends.readable &&
               hasId3v2Header(std::span<const uint8_t>(ends.head.data(), ends.headSize))) {
        if (auto values = readId3v2(path)) {
            record->tagTitle = values->title;
            record->tagArtist = values->artist;
            record->tagAlbum = values->album;
            record->genre = values->genre;
            record->comment = values->comment;
        }
    }

    const FileNameSplit split = splitFileName(path);
    record->title = split.title;
    record->artist = split.artist;
    return record;
}

}  // namespace sonara
