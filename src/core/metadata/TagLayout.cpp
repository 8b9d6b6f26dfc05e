#include "core/metadata/TagLayout.h"

#include <cstring>
#include <string_view>

namespace sonara {

namespace {

// True when the bytes `back` bytes before the end are `magic`.
bool magicAt(std::span<const uint8_t> tail, size_t back, std::string_view magic) {
    if (tail.size() < back || back < magic.size()) {
        return false;
    }
    return std::memcmp(tail.data() + (tail.size() - back), magic.data(), magic.size()) == 0;
}

}  // namespace

TagLayout TagLayout::probe(std::span<const uint8_t> tail, uint64_t fileSize) {
    // A tail longer than the file cannot be; only the file's bytes count.
    if (tail.size() > fileSize) {
        tail = tail.subspan(tail.size() - static_cast<size_t>(fileSize));
    }
    TagLayout layout;
    layout.id3v1 = magicAt(tail, kId3v1Back, "TAG");
    layout.extended = magicAt(tail, kExtendedBack, "TAG+");
    layout.marker = magicAt(tail, kMarkerBack, "SNTG");
    return layout;
}

}  // namespace sonara
