#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/io/Result.h"

namespace sonara::cli {

// A whole number typed for `what` ("--jobs", "INDEX", ...), from `lowest` to
// `highest`. The failure text names `what` and the range, for a usage error.
Result<int> readNumber(std::string_view text, std::string_view what, int lowest, int highest);

// A genre typed by name (any case, the table's spelling returned through
// genres::name) or by number from 0 to `highest`; numbers above the table's
// last genre are only taken when `highest` allows them (a tag's byte).
Result<int> readGenre(std::string_view text, int highest);

// The --device option of the playing commands: none when it was not given,
// else a device number as `sonara-cli devices` lists them.
Result<std::optional<int>> readDeviceOption(const std::optional<std::string>& text);

}  // namespace sonara::cli
