#include "core/library/LibraryRecord.h"

#include <cstring>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

LibraryRecord::LibraryRecord(const LibraryRecord& other)
    : playCount(other.playCount),
      availability(other.availability),
      lengthSeconds(other.lengthSeconds),
      deleteMark(other.deleteMark),
      ends_(other.ends_) {
    assignTexts(std::string_view(other.texts_.get(), other.ends_[kTextCount - 1]));
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
    texts_ = std::move(buffer);
}

std::string_view LibraryRecord::text(Text which) const {
    const size_t i = size_t(which);
    const uint32_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(texts_.get() + begin, ends_[i] - begin);
}

void LibraryRecord::setText(Text which, std::string_view value) {
    const size_t i = size_t(which);
    const uint32_t begin = i == 0 ? 0 : ends_[i - 1];
    const uint32_t oldLength = ends_[i] - begin;
    std::string joined(texts_.get(), ends_[kTextCount - 1]);
    // `value` may view this record's own buffer, which stays alive until
    // assignTexts() below replaces it.
    joined.replace(begin, oldLength, value);
    const int64_t delta = int64_t(value.size()) - int64_t(oldLength);
    for (size_t k = i; k < kTextCount; ++k) {
        ends_[k] = uint32_t(int64_t(ends_[k]) + delta);
    }
    assignTexts(joined);
}

void LibraryRecord::setTexts(const std::array<std::string_view, kTextCount>& values) {
    size_t total = 0;
    for (std::string_view v : values) {
        total += v.size();
    }
    std::string joined;
    joined.reserve(total);
    for (size_t i = 0; i < kTextCount; ++i) {
        joined += values[i];
        ends_[i] = uint32_t(joined.size());
    }
    assignTexts(joined);
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

}  // namespace sonara
