#pragma once

#include <cstddef>
#include <cstdint>

namespace sonara::audio {

// Random access to the bytes of a file or buffer, for parsers that look at a
// few places of a large file only.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual uint64_t size() const = 0;
    // Copies up to `n` bytes from `offset`; returns how many were copied
    // (fewer only at the end or on a read error).
    virtual size_t readAt(uint64_t offset, uint8_t* into, size_t n) = 0;
};

}  // namespace sonara::audio
