#include "core/library/LibraryRecord.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

namespace {

// A borrowed block is the record's stretch of the library file from its
// first text on: between two texts lie the next one's one-byte length and
// any numbers in between. kFileGaps[i] is how far text i starts after the
// end of text i - 1 there (numbers after texts 1 and 3).
constexpr std::array<uint32_t, LibraryRecord::kTextCount> kFileGaps = {0, 1, 9, 1, 5,
                                                                       1, 1, 1, 1, 1};

}  // namespace

void RecordDeleter::operator()(LibraryRecord* record) const {
    if (inBlock) {
        record->~LibraryRecord();
    } else {
        delete record;
    }
}

LibraryRecord::LibraryRecord(const LibraryRecord& other)
    : playCount(other.playCount),
      availability(other.availability),
      lengthSeconds(other.lengthSeconds),
      deleteMark(other.deleteMark) {
    // A copy always owns its texts: it may outlive the bytes `other` borrows.
    setTexts(other.texts());
}

LibraryRecord::LibraryRecord(LibraryRecord&& other) noexcept
    : playCount(other.playCount),
      availability(other.availability),
      lengthSeconds(other.lengthSeconds),
      deleteMark(other.deleteMark),
      texts_(std::exchange(other.texts_, nullptr)),
      owned_(std::move(other.owned_)),
      ends_(std::exchange(other.ends_, {})),
      borrowed_(std::exchange(other.borrowed_, false)) {}

LibraryRecord& LibraryRecord::operator=(LibraryRecord&& other) noexcept {
    if (this != &other) {
        playCount = other.playCount;
        availability = other.availability;
        lengthSeconds = other.lengthSeconds;
        deleteMark = other.deleteMark;
        texts_ = std::exchange(other.texts_, nullptr);
        owned_ = std::move(other.owned_);
        ends_ = std::exchange(other.ends_, {});
        borrowed_ = std::exchange(other.borrowed_, false);
    }
    return *this;
}

LibraryRecord& LibraryRecord::operator=(const LibraryRecord& other) {
    if (this != &other) {
        LibraryRecord copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void LibraryRecord::assignTexts(std::string_view joined) {
    std::unique_ptr<char[]> buffer;
    if (!joined.empty()) {
        buffer = std::make_unique_for_overwrite<char[]>(joined.size());
        std::memcpy(buffer.get(), joined.data(), joined.size());
    }
    texts_ = buffer.get();
    owned_ = std::move(buffer);
    borrowed_ = false;
}

std::string_view LibraryRecord::text(Text which) const {
    const size_t i = size_t(which);
    const uint32_t begin = i == 0 ? 0 : ends_[i - 1] + (borrowed_ ? kFileGaps[i] : 0);
    return std::string_view(texts_ + begin, ends_[i] - begin);
}

std::array<std::string_view, LibraryRecord::kTextCount> LibraryRecord::texts() const {
    std::array<std::string_view, kTextCount> all;
    for (size_t i = 0; i < kTextCount; ++i) {
        all[i] = text(Text(i));
    }
    return all;
}

void LibraryRecord::setText(Text which, std::string_view value) {
    std::array<std::string_view, kTextCount> all = texts();
    // `value` may view this record's own texts, which stay alive until
    // setTexts() has copied everything.
    all[size_t(which)] = value;
    setTexts(all);
}

void LibraryRecord::setTexts(const std::array<std::string_view, kTextCount>& values) {
    size_t total = 0;
    for (std::string_view v : values) {
        total += v.size();
    }
    std::string joined;
    joined.reserve(total);
    std::array<uint32_t, kTextCount> ends{};
    for (size_t i = 0; i < kTextCount; ++i) {
        joined += values[i];
        ends[i] = uint32_t(joined.size());
    }
    assignTexts(joined);
    ends_ = ends;
}

std::string LibraryRecord::displayTitle(const NormaliseOptions& options) const {
    const bool useTag = options.useTagInfo && hasTagTitleAndArtist();
    return normalise(useTag ? tagTitle() : title(), options);
}

std::string LibraryRecord::displayArtist(const NormaliseOptions& options) const {
    const bool useTag = options.useTagInfo && hasTagTitleAndArtist();
    return normalise(useTag ? tagArtist() : artist(), options);
}

std::string LibraryRecord::displayAlbum(const NormaliseOptions& options) const {
    return normalise(tagAlbum(), options);
}

void LibraryRecord::write(ArchiveWriter& out) const {
    out.writeString(fileName());
    out.writeString(mediaName());
    out.writeInt32(playCount);
    out.writeInt32(availability);
    out.writeString(genre());
    out.writeString(comment());
    out.writeInt32(lengthSeconds);
    out.writeString(tagTitle());
    out.writeString(tagArtist());
    out.writeString(tagAlbum());
    out.writeString(title());
    out.writeString(artist());
    out.writeString(reserved());
}

bool LibraryRecord::read(ArchiveReader& in, std::string& scratch) {
    deleteMark = 0;
    scratch.clear();
    size_t next = 0;
    // The texts are stored in file order, so each one is appended as read.
    auto textField = [&]() {
        if (!in.appendString(scratch)) {
            return false;
        }
        ends_[next++] = uint32_t(scratch.size());
        return true;
    };
    const bool complete = textField() && textField() && in.readInt32(playCount) &&
                          in.readInt32(availability) && textField() && textField() &&
                          in.readInt32(lengthSeconds) && textField() && textField() &&
                          textField() && textField() && textField() && textField();
    if (complete) {
        assignTexts(scratch);
    }
    return complete;
}

namespace {

inline uint64_t loadWord(const uint8_t* at) {
    uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

// Texts are checked for ASCII as whole windows of this many bytes, masked to
// the text: a fixed count of steps, with no loop whose exit would be
// mispredicted, which costs more here than the checking itself.
constexpr size_t kWindow = 64;

// Where the fields of a record at `at` lie, when it is plain: every text a
// short ASCII one with a one-byte length, all of it at hand. Such a record
// can borrow its texts where they lie, and is read without the reader's
// general path, which checks each field's form and bounds one by one. The
// text ends go straight to the record: gathering them elsewhere and copying
// them over costs a stalled wide load per record.
struct PlainRecord {
    std::array<uint32_t, LibraryRecord::kTextCount>& ends;  // from the first text on
    int32_t numbers[3];
    size_t size;
};

inline int32_t loadInt32(const uint8_t* at) {
    return int32_t(uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) |
                   (uint32_t(at[3]) << 24));
}

inline bool scanPlainRecord(std::span<const uint8_t> at, PlainRecord& record) {
    const uint8_t* p = at.data();
    const uint8_t* const end = p + at.size();
    const uint8_t* const first = p + 1;
    bool plain = true;
    size_t text = 0;
    size_t number = 0;
    auto textField = [&]() {
        if (!plain || end - p < 1 + std::ptrdiff_t(kWindow) || *p > kWindow) {
            plain = false;
            return;
        }
        const size_t length = *p;
        const uint8_t* bytes = p + 1;
        uint64_t high = 0;
        for (size_t i = 0; i < kWindow; i += 8) {
            const size_t valid = length > i ? std::min<size_t>(length - i, 8) : 0;
            const uint64_t mask = valid == 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * valid)) - 1;
            high |= loadWord(bytes + i) & mask;
        }
        plain = (high & 0x8080808080808080ULL) == 0;
        p = bytes + length;
        record.ends[text++] = uint32_t(p - first);
    };
    auto numberField = [&]() {
        if (!plain || end - p < 4) {
            plain = false;
            return;
        }
        record.numbers[number++] = loadInt32(p);
        p += 4;
    };
    textField();
    textField();
    numberField();
    numberField();
    textField();
    textField();
    numberField();
    for (int i = 0; i < 6; ++i) {
        textField();
    }
    record.size = size_t(p - at.data());
    return plain;
}

}  // namespace

bool LibraryRecord::readBorrowing(ArchiveReader& in, std::string& scratch) {
    deleteMark = 0;
    const std::span<const uint8_t> at = in.bytesAtHand();
    PlainRecord plain{ends_, {}, 0};
    if (!scanPlainRecord(at, plain)) {
        return read(in, scratch);
    }
    playCount = plain.numbers[0];
    availability = plain.numbers[1];
    lengthSeconds = plain.numbers[2];
    owned_.reset();
    texts_ = reinterpret_cast<const char*>(at.data() + 1);
    borrowed_ = true;
    in.consume(plain.size);
    return true;
}

}  // namespace sonara
