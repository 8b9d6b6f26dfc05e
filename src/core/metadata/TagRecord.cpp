#include "core/metadata/TagRecord.h"

#include <algorithm>

#include "core/io/Text.h"
#include "core/metadata/TagFile.h"
#include "core/metadata/TagLayout.h"

namespace sonara {

namespace {

// Offsets inside the ID3v1 block.
constexpr size_t kV1Title = 3;
constexpr size_t kV1Artist = 33;
constexpr size_t kV1Album = 63;
constexpr size_t kV1Year = 93;
constexpr size_t kV1Comment = 97;
constexpr size_t kV1Genre = 127;
// ID3v1.1 keeps a track number in the comment's last byte behind a zero.
constexpr size_t kV1TrackZero = 125;
constexpr size_t kV1Track = 126;

// Offsets inside the extended block ("TAG+" at 0).
constexpr size_t kExtTitle = 4;
constexpr size_t kExtArtist = 64;
constexpr size_t kExtAlbum = 124;
constexpr size_t kExtSpeed = 184;
constexpr size_t kExtGenre = 185;
constexpr size_t kExtStart = 215;
constexpr size_t kExtEnd = 221;

// A field's text: its bytes up to the first zero.
std::string_view field(const uint8_t* block, size_t offset, size_t width) {
    const char* begin = reinterpret_cast<const char*>(block + offset);
    const char* end = std::find(begin, begin + width, '\0');
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

// Length of the longest prefix of `bytes` that does not end inside a UTF-8
// sequence cut short (a tagger that writes UTF-8 cuts at the field width).
size_t withoutCutSequence(std::string_view bytes) {
    // A sequence is at most 4 bytes, so a cut one starts in the last 3.
    for (size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((c & 0xC0) == 0x80) {
            continue;  // continuation byte: look further back for the lead
        }
        const size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return need > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

bool hasMultibyte(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Tag bytes to UTF-8. Valid UTF-8 stays; UTF-8 whose last character was cut
// by the field width loses that half character; anything else is legacy text
// (Windows-1252, a superset of what Latin-1 taggers wrote).
std::string decode(std::string_view bytes) {
    bytes = text::trimRight(bytes);
    if (text::isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    const std::string_view whole = bytes.substr(0, withoutCutSequence(bytes));
    if (whole.size() < bytes.size() && hasMultibyte(whole) && text::isValidUtf8(whole)) {
        return std::string(text::trimRight(whole));
    }
    return text::fromLegacy(bytes);
}

// `text` cut to `width` on-disk characters and padded with blanks.
void appendField(std::vector<uint8_t>& out, std::string_view text, size_t width) {
    const size_t n = std::min(text.size(), width);
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
    out.insert(out.end(), width - n, uint8_t(' '));
}

void appendMagic(std::vector<uint8_t>& out, std::string_view magic) {
    out.insert(out.end(), magic.begin(), magic.end());
}

// The characters beyond the ID3v1 part, as many as the extended block holds.
std::string_view extensionOf(std::string_view onDisk) {
    return onDisk.size() > TagRecord::kTextWidth ? onDisk.substr(TagRecord::kTextWidth)
                                                 : std::string_view();
}

}  // namespace

void TagRecord::clearTexts() {
    for (std::string* s : {&title, &artist, &album, &year, &comment, &extendedTitle,
                           &extendedArtist, &extendedAlbum, &freeTextGenre, &startTime, &endTime}) {
        s->clear();
    }
}

bool TagRecord::parseTail(std::span<const uint8_t> tail, uint64_t fileSize) {
    clearTexts();
    if (tail.size() > fileSize) {
        tail = tail.subspan(tail.size() - static_cast<size_t>(fileSize));
    }
    const TagLayout layout = TagLayout::probe(tail, fileSize);
    if (!layout.id3v1) {
        return false;
    }
    const uint8_t* v1 = tail.data() + (tail.size() - TagLayout::kId3v1Back);

    std::string_view extTitle, extArtist, extAlbum;
    if (layout.extendedInUse()) {
        const uint8_t* ext = tail.data() + (tail.size() - TagLayout::kExtendedBack);
        extTitle = text::trimRight(field(ext, kExtTitle, kExtendedTextWidth));
        extArtist = text::trimRight(field(ext, kExtArtist, kExtendedTextWidth));
        extAlbum = text::trimRight(field(ext, kExtAlbum, kExtendedTextWidth));
        speed = ext[kExtSpeed];
        freeTextGenre = decode(field(ext, kExtGenre, kFreeTextGenreWidth));
        startTime = decode(field(ext, kExtStart, kTimeWidth));
        endTime = decode(field(ext, kExtEnd, kTimeWidth));
        extendedTitle = decode(extTitle);
        extendedArtist = decode(extArtist);
        extendedAlbum = decode(extAlbum);
    }
    // The ID3v1 part is joined with its extension before decoding, so a
    // character split across the two blocks comes out whole.
    title = decode(std::string(field(v1, kV1Title, kTextWidth)).append(extTitle));
    artist = decode(std::string(field(v1, kV1Artist, kTextWidth)).append(extArtist));
    album = decode(std::string(field(v1, kV1Album, kTextWidth)).append(extAlbum));
    year = decode(field(v1, kV1Year, kYearWidth));
    comment = decode(field(v1, kV1Comment, kTextWidth));
    genre = v1[kV1Genre];
    return true;
}

std::optional<TagRecord::Patch> TagRecord::planWrite(std::span<const uint8_t> tail,
                                                     uint64_t fileSize) const {
    if (fileSize < TagLayout::kId3v1Size) {
        return std::nullopt;
    }
    if (tail.size() > fileSize) {
        tail = tail.subspan(tail.size() - static_cast<size_t>(fileSize));
    }
    const TagLayout layout = TagLayout::probe(tail, fileSize);

    const std::string diskTitle = text::utf8ToLatin1(title);
    const std::string diskArtist = text::utf8ToLatin1(artist);
    const std::string diskAlbum = text::utf8ToLatin1(album);
    const bool needExtended = diskTitle.size() > kTextWidth || diskArtist.size() > kTextWidth ||
                              diskAlbum.size() > kTextWidth;
    // An extended block already in the file is rewritten even when nothing
    // needs it any more: with empty extensions, so that a later read does not
    // append stale text, and with speed, free-text genre and times kept.
    const bool keepExtended = layout.extendedInUse();

    Patch patch;
    // Replace the blocks that are there, from the first of them on. A foreign
    // "TAG+" without our marker is rewritten where it stands: the 4 bytes in
    // front of it belong to the audio. An ID3v1 block without an extended block
    // is overwritten by the new blocks, so no stale copy stays inside the file.
    if (!layout.id3v1) {
        patch.offset = fileSize;
    } else if (layout.markerInUse()) {
        patch.offset = fileSize - TagLayout::kMarkerBack;
    } else if (keepExtended) {
        patch.offset = fileSize - TagLayout::kExtendedBack;
    } else {
        patch.offset = fileSize - TagLayout::kId3v1Back;
    }

    std::vector<uint8_t>& out = patch.bytes;
    out.reserve(TagLayout::kTailSize);
    if (needExtended || keepExtended) {
        if (!keepExtended || layout.markerInUse()) {
            appendMagic(out, "SNTG");
        }
        appendMagic(out, "TAG+");
        appendField(out, extensionOf(diskTitle), kExtendedTextWidth);
        appendField(out, extensionOf(diskArtist), kExtendedTextWidth);
        appendField(out, extensionOf(diskAlbum), kExtendedTextWidth);
        out.push_back(speed);
        appendField(out, text::utf8ToLatin1(freeTextGenre), kFreeTextGenreWidth);
        appendField(out, text::utf8ToLatin1(startTime), kTimeWidth);
        appendField(out, text::utf8ToLatin1(endTime), kTimeWidth);
    }

    const size_t v1Start = out.size();
    appendMagic(out, "TAG");
    appendField(out, diskTitle, kTextWidth);
    appendField(out, diskArtist, kTextWidth);
    appendField(out, diskAlbum, kTextWidth);
    appendField(out, text::utf8ToLatin1(year), kYearWidth);
    const std::string diskComment = text::utf8ToLatin1(comment);
    appendField(out, diskComment, kTextWidth);
    // Keep an ID3v1.1 track number that another tagger stored, as long as
    // the new comment leaves its two bytes free.
    if (layout.id3v1) {
        const uint8_t* old = tail.data() + (tail.size() - TagLayout::kId3v1Back);
        if (old[kV1TrackZero] == 0 && old[kV1Track] != 0 &&
            diskComment.size() <= kV1TrackZero - kV1Comment) {
            out[v1Start + kV1TrackZero] = 0;
            out[v1Start + kV1Track] = old[kV1Track];
        }
    }
    out.push_back(genre);
    return patch;
}

bool TagRecord::read() {
    auto file = TagFile::openForReading(path_);
    if (!file) {
        return parseTail({}, 0);
    }
    const auto tail = file->readTail(TagLayout::kTailSize);
    if (!tail) {
        return parseTail({}, 0);
    }
    return parseTail(*tail, file->size());
}

bool TagRecord::write() const {
    auto file = TagFile::openForWriting(path_);
    if (!file) {
        return false;
    }
    const auto tail = file->readTail(TagLayout::kTailSize);
    if (!tail) {
        return false;
    }
    const auto patch = planWrite(*tail, file->size());
    if (!patch) {
        return false;
    }
    const uint64_t oldSize = file->size();
    const std::span<const uint8_t> bytes(patch->bytes);
    // Within the old size: the part that overwrites existing bytes. Beyond it:
    // the part that grows the file, written first, so that a full disk leaves
    // the old tag as it was once the file is cut back.
    const size_t inside = static_cast<size_t>(
        std::min<uint64_t>(bytes.size(), oldSize - std::min(oldSize, patch->offset)));
    if (inside < bytes.size()) {
        if (!file->writeAt(patch->offset + inside, bytes.subspan(inside))) {
            file->truncate(oldSize);
            return false;
        }
    }
    if (!file->writeAt(patch->offset, bytes.first(inside))) {
        if (inside < bytes.size()) {
            file->truncate(oldSize);
        }
        return false;
    }
    return file->close();
}

const std::string& TagRecord::genreName(int index) const {
    return genres::name(index == -1 ? int(genre) : index);
}

bool TagRecord::hasId3v1() const {
    auto file = TagFile::openForReading(path_);
    if (!file) {
        return false;
    }
    const auto tail = file->readTail(TagLayout::kTailSize);
    return tail && TagLayout::probe(*tail, file->size()).id3v1;
}

bool TagRecord::hasExtendedBlock() const {
    auto file = TagFile::openForReading(path_);
    if (!file) {
        return false;
    }
    const auto tail = file->readTail(TagLayout::kTailSize);
    return tail && TagLayout::probe(*tail, file->size()).hasExtendedBlock();
}

}  // namespace sonara
