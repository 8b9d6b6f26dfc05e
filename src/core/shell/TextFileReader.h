#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/io/Result.h"

namespace sonara {

// The whole of a small text file: nothing when it does not exist, a
// failure when it exists but cannot be read or is larger than `limit`
// bytes (a configuration file that big is not one).
Result<std::optional<std::string>> readSmallTextFile(const std::string& path,
                                                     size_t limit = 1 << 20);

// Calls `line` with each line of `text`, without its "\n" (a last line
// without one included).
void forEachLine(std::string_view text, const std::function<void(std::string_view)>& line);

}  // namespace sonara
