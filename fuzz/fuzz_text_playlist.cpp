// The text play-list parser on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/playlist/TextPlayList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& path : sonara::text_playlist::parse(text, "/lists/")) {
        if (path.empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
