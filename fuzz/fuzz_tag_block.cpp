// The tag-block parser and write planner on arbitrary bytes taken as the end
// of a file, then a parse of the planned result; also the ID3v2 header check.
//
// Input: two bytes of extra file length (little-endian) in front of the tail.
// The file is the tail plus that many bytes of audio in front, except that an
// odd first byte makes the extra length the whole file size, which may then be
// smaller than the tail (a caller's mistake the parser must survive).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "core/io/Text.h"
#include "core/metadata/Id3v2Reader.h"
#include "core/metadata/TagLayout.h"
#include "core/metadata/TagRecord.h"

using sonara::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using sonara::TagLayout;
    using sonara::TagRecord;
    if (size < 2) {
        return 0;
    }
    const uint64_t extra = data[0] | (uint64_t(data[1]) << 8);
    const std::span<const uint8_t> tail(data + 2, size - 2);
    const uint64_t fileSize = (data[0] & 1) ? extra : tail.size() + extra;

    sonara::hasId3v2Header(tail);
    TagRecord record;
    const bool tagged = record.parseTail(tail, fileSize);
    check(tagged == TagLayout::probe(tail, fileSize).id3v1);
    for (const std::string* s : {&record.title, &record.artist, &record.album, &record.year,
                                 &record.comment, &record.freeTextGenre}) {
        check(sonara::text::isValidUtf8(*s));
    }

    const auto patch = record.planWrite(tail, fileSize);
    check(patch.has_value() == (fileSize >= TagLayout::kId3v1Size));
    if (!patch) {
        return 0;
    }
    // A write never touches bytes in front of the tag area or leaves a gap.
    const uint64_t seen = std::min<uint64_t>(fileSize, tail.size());
    check(patch->offset <= fileSize && patch->offset + TagLayout::kTailSize >= fileSize);
    check(patch->offset + seen >= fileSize || patch->offset == fileSize);
    check(patch->bytes.size() == 128 || patch->bytes.size() == 355 || patch->bytes.size() == 359);

    // The file's end after the write parses back as tagged.
    std::vector<uint8_t> after(tail.end() - std::ptrdiff_t(seen), tail.end());
    after.resize(static_cast<size_t>(seen - (fileSize - patch->offset)));
    after.insert(after.end(), patch->bytes.begin(), patch->bytes.end());
    const uint64_t newSize = patch->offset + patch->bytes.size();
    TagRecord again;
    check(again.parseTail(after, newSize));
    check(again.genre == record.genre);
    check(sonara::text::utf8ToLatin1(again.title).size() <= TagRecord::kMaxTextLength);
    return 0;
}
