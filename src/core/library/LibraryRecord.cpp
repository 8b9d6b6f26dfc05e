#include "core/library/LibraryRecord.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// A plain record: every text shorter than 128 bytes, so its length is one
// byte below 0x80, and plain ASCII. Such a record can borrow its texts
// where they lie. A plain record is never longer than this, with 16 bytes
// after it for the last wide load; only a record this far from the end is
// walked without the reader's general path, which checks each field's form
// and bounds one by one.
constexpr size_t kPlainLookahead = LibraryRecord::kTextCount * 128 + 3 * 4 + 16;

inline uint32_t loadUInt32(const uint8_t* at) {
    return uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) |
           (uint32_t(at[3]) << 24);
}

inline uint32_t highBitCount(uint32_t value) {
    return (((value >> 7) & 0x01010101U) * 0x01010101U) >> 24;
}

// How many of the `size` bytes at `at` have their high bit set; 16 bytes
// past them must be readable.
inline uint64_t highBitCount(const uint8_t* at, size_t size) {
#if defined(__SSE2__)
    static const uint8_t kTailMask[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const __m128i ones = _mm_set1_epi8(1);
    const __m128i zero = _mm_setzero_si128();
    auto count = [&](__m128i bytes) {
        return _mm_sad_epu8(_mm_and_si128(_mm_srli_epi16(bytes, 7), ones), zero);
    };
    __m128i sum = zero;
    size_t i = 0;
    for (; i + 16 <= size; i += 16) {
        sum = _mm_add_epi64(sum, count(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + i))));
    }
    const __m128i tail = _mm_and_si128(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + i)),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kTailMask + 16 - (size - i))));
    sum = _mm_add_epi64(sum, count(tail));
    return uint64_t(_mm_cvtsi128_si64(sum)) +
           uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sum, sum)));
#else
    uint64_t high = 0;
    for (size_t i = 0; i < size; ++i) {
        high += at[i] >> 7;
    }
    return high;
#endif
}

}  // namespace

// Walks the fields of a record that may be plain, with no check on the way:
// each field's place follows from the length before it, a chain of loads
// that is as long as the walk takes. Whether the record was plain is known
// at the end, from the lengths seen and one count of high bits over the
// whole record, less those of its numbers.
class PlainRecordWalk {
  public:
    PlainRecordWalk(const uint8_t* at, std::array<uint32_t, LibraryRecord::kTextCount>& ends)
        : start_(at), at_(at), ends_(ends) {}

    void text() {
        const uint8_t length = *at_;
        lengths_ |= length;
        // A longer length makes the record not plain; the walk stays within
        // the lookahead all the same.
        at_ += 1 + (length & 0x7F);
        ends_[texts_++] = uint32_t(at_ - (start_ + 1));  // the text ends go straight to the record
    }
    void number() {
        const uint32_t value = loadUInt32(at_);
        numbers_[count_++] = int32_t(value);
        numberHighBits_ += highBitCount(value);
        at_ += 4;
    }
    void finish() { plain_ = lengths_ < 0x80 && highBitCount(start_, size()) == numberHighBits_; }

    bool plain() const { return plain_; }
    size_t size() const { return size_t(at_ - start_); }
    int32_t number(size_t i) const { return numbers_[i]; }

  private:
    const uint8_t* start_;
    const uint8_t* at_;
    std::array<uint32_t, LibraryRecord::kTextCount>& ends_;
    uint32_t lengths_ = 0;
    uint32_t numberHighBits_ = 0;
    size_t texts_ = 0;
    size_t count_ = 0;
    int32_t numbers_[3] = {};
    bool plain_ = false;
};

namespace {

// The record's fields in the library file's order.
inline void walkRecord(PlainRecordWalk& walk) {
    walk.text();
    walk.text();
    walk.number();
    walk.number();
    walk.text();
    walk.text();
    walk.number();
    for (int i = 0; i < 6; ++i) {
        walk.text();
    }
    walk.finish();
}

}  // namespace

bool LibraryRecord::borrowWalked(ArchiveReader& in, const PlainRecordWalk& walk) {
    playCount = walk.number(0);
    availability = walk.number(1);
    lengthSeconds = walk.number(2);
    deleteMark = 0;
    owned_.reset();
    texts_ = reinterpret_cast<const char*>(in.bytesAtHand().data() + 1);
    borrowed_ = true;
    in.consume(walk.size());
    return true;
}

bool LibraryRecord::readBorrowing(ArchiveReader& in, std::string& scratch) {
    const std::span<const uint8_t> at = in.bytesAtHand();
    if (at.size() >= kPlainLookahead) {
        PlainRecordWalk walk(at.data(), ends_);
        walkRecord(walk);
        if (walk.plain()) {
            return borrowWalked(in, walk);
        }
    }
    return read(in, scratch);
}

}  // namespace sonara
