// The mount table parser and the visibility of mounts on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/MountInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = sonara::platform::parseMountInfo(text);
    for (const auto& entry : entries) {
        const std::string& point = entry.mountPoint;
        if (point.empty() || point[0] != '/' || (point.size() > 1 && point.back() == '/')) {
            __builtin_trap();  // every mount point is absolute, without a trailing "/"
        }
    }
    if (sonara::platform::visibleMounts(entries).size() > entries.size()) {
        __builtin_trap();
    }
    if (sonara::platform::unescapeMountField(text).size() > size) {
        __builtin_trap();  // undoing escapes never adds bytes
    }
    return 0;
}
