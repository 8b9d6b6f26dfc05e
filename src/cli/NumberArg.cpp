#include "cli/NumberArg.h"

#include <charconv>
#include <limits>

#include "core/metadata/GenreTable.h"

namespace sonara::cli {

Result<int> readNumber(std::string_view text, std::string_view what, int lowest, int highest) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < lowest || value > highest) {
        return Result<int>::failure(ErrorKind::Invalid,
                                    std::string(what) + " must be a whole number from " +
                                        std::to_string(lowest) + " to " + std::to_string(highest) +
                                        ", not \"" + std::string(text) + "\"");
    }
    return value;
}

Result<int> readGenre(std::string_view text, int highest) {
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos) {
        return readNumber(text, "the genre number", 0, highest);
    }
    const std::optional<int> index = genres::indexOf(text);
    if (!index) {
        return Result<int>::failure(ErrorKind::Invalid, "unknown genre " + std::string(text) +
                                                            "; `sonara-cli genres` lists them");
    }
    return *index;
}

Result<std::optional<int>> readDeviceOption(const std::optional<std::string>& text) {
    if (!text) {
        return std::optional<int>();
    }
    const Result<int> device = readNumber(*text, "--device", 0, std::numeric_limits<int>::max());
    if (!device) {
        return Result<std::optional<int>>::failure(
            ErrorKind::Invalid, "INDEX must be a device number from `sonara-cli devices`");
    }
    return std::optional<int>(device.value());
}

}  // namespace sonara::cli
