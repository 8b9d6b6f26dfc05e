#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/io/Result.h"

namespace sonara {

// The whole of a small text file: nothing when it does not exist, a
// failure when it exists but cannot be read or is larger than `limit`
// bytes (a configuration file that big is not one).
Result<std::optional<std::string>> readSmallTextFile(const std::string& path,
                                                     size_t limit = 1 << 20);

}  // namespace sonara
