#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sonara {

// Which tag blocks sit at the end of a file. The blocks have fixed places
// counted from the end: the 128-byte ID3v1 block ("TAG") last, the 227-byte
// extended block ("TAG+") directly in front of it, and our 4-byte marker
// ("SNTG") in front of that.
struct TagLayout {
    static constexpr size_t kId3v1Size = 128;
    static constexpr size_t kExtendedSize = 227;
    static constexpr size_t kMarkerSize = 4;
    // Distances of the block starts from the end of the file.
    static constexpr size_t kId3v1Back = kId3v1Size;                     // 128
    static constexpr size_t kExtendedBack = kExtendedSize + kId3v1Size;  // 355
    static constexpr size_t kMarkerBack = kMarkerSize + kExtendedBack;   // 359
    // The most bytes of a file's end that any tag block reaches.
    static constexpr size_t kTailSize = kMarkerBack;

    bool id3v1 = false;     // "TAG" at size - 128
    bool extended = false;  // "TAG+" at size - 355
    bool marker = false;    // "SNTG" at size - 359

    // The published test for an extended block: either magic is enough.
    bool hasExtendedBlock() const { return marker || extended; }
    // An extended block that belongs to the tag: "TAG+" with the ID3v1 block
    // right behind it. Only such a block is read or rewritten; a "TAG+" in
    // front of something else is audio or another program's data.
    bool extendedInUse() const { return id3v1 && extended; }
    // Our marker in front of an extended block that is in use.
    bool markerInUse() const { return extendedInUse() && marker; }

    // `tail` holds the last tail.size() bytes of a file of `fileSize` bytes
    // (at most kTailSize are looked at). A block counts only when both the
    // file and the tail reach back to its start. Never reads outside `tail`.
    static TagLayout probe(std::span<const uint8_t> tail, uint64_t fileSize);
};

}  // namespace sonara
