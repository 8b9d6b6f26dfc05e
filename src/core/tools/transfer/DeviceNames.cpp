#include "core/tools/transfer/DeviceNames.h"

#include <algorithm>

namespace sonara {

namespace {

constexpr std::size_t kMaxNameBytes = 255;
// Longer tails after the last dot are not treated as an extension worth
// keeping when the name has to be cut.
constexpr std::size_t kMaxKeptExtension = 16;

bool refused(unsigned char c) {
    if (c < 0x20 || c == 0x7F)
        return true;
    switch (c) {
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
        case '\\':
        case '/':
            return true;
        default:
            return false;
    }
}

// Where the extension (its dot included) begins, or name.size() for none.
std::size_t extensionStart(std::string_view name) {
    const std::size_t slash = name.rfind('/');
    const std::size_t part = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot <= part)
        return name.size();
    return dot;
}

// The longest front of `text` of at most `bytes` bytes that ends between
// UTF-8 characters.
std::string_view cutOnCharacter(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::string trimmedEnd(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Where a name that must be cut splits into the part that gives way and the
// extension kept whole.
std::size_t keptExtensionStart(std::string_view name) {
    const std::size_t dot = extensionStart(name);
    return name.size() - dot > kMaxKeptExtension ? name.size() : dot;
}

// The name with `suffix` before its extension, cut to the byte limit.
std::string fitted(std::string_view name, std::string_view suffix) {
    const std::size_t dot = keptExtensionStart(name);
    const std::string_view extension = name.substr(dot);
    return std::string(cutOnCharacter(name.substr(0, dot),
                                      kMaxNameBytes - extension.size() - suffix.size())) +
           std::string(suffix) + std::string(extension);
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string deviceSafeName(std::string_view name) {
    std::string safe(name);
    std::replace_if(
        safe.begin(), safe.end(), [](char c) { return refused(static_cast<unsigned char>(c)); },
        '_');
    safe = trimmedEnd(std::move(safe));
    if (safe.size() > kMaxNameBytes)
        safe = trimmedEnd(fitted(safe, ""));
    return safe.empty() ? "_" : safe;
}

bool sameDeviceName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::string uniqueDeviceName(std::string_view name, const std::vector<std::string>& taken) {
    const auto isTaken = [&](std::string_view candidate) {
        return std::any_of(taken.begin(), taken.end(), [&](const std::string& other) {
            return sameDeviceName(candidate, other);
        });
    };
    if (!isTaken(name))
        return std::string(name);
    // One more than the names taken always leaves a free number.
    for (std::size_t number = 2; number <= taken.size() + 2; ++number) {
        const std::string candidate = fitted(name, " (" + std::to_string(number) + ")");
        if (!isTaken(candidate))
            return candidate;
    }
    return std::string(name);  // not reached: the loop has more numbers than names taken
}

std::string_view deviceFileStem(std::string_view name) {
    return name.substr(0, extensionStart(name));
}

}  // namespace sonara
