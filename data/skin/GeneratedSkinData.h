#pragma once

#include <cstddef>

#include "core/skin/SkinFiles.h"

// The bytes of the bundled skins, written by sonara-skin-generator at build
// time. Indexed by the skin file table; a file without a built-in copy has
// no bytes.
namespace sonara::skin::generated {

struct Blob {
    const unsigned char* bytes;
    size_t size;
};

extern const Blob kDefaultSkin[kFileCount];
extern const Blob kDaylightSkin[kFileCount];

}  // namespace sonara::skin::generated
