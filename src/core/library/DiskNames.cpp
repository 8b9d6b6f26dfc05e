#include "core/library/DiskNames.h"

#include <sys/stat.h>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/io/Text.h"

namespace sonara::disk_names {

namespace {

// Code point to byte for 0x80..0xFF, taken from the reading itself so the
// two directions cannot drift apart.
const std::array<std::pair<uint32_t, uint8_t>, 128>& highBytes() {
    static const auto table = [] {
        std::array<std::pair<uint32_t, uint8_t>, 128> t{};
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string utf8 = text::fromLegacy(std::string(1, char(b)));
            uint32_t cp = 0;
            const auto lead = static_cast<unsigned char>(utf8[0]);
            if (utf8.size() == 2) {
                cp = (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[1]) & 0x3Fu);
            } else if (utf8.size() == 3) {
                cp = (lead & 0x0Fu) << 12 | (static_cast<unsigned char>(utf8[1]) & 0x3Fu) << 6 |
                     (static_cast<unsigned char>(utf8[2]) & 0x3Fu);
            }
            t[size_t(b - 0x80)] = {cp, uint8_t(b)};
        }
        return t;
    }();
    return table;
}

// The bytes fromLegacy() turned into `utf8`, or nullopt when it cannot have.
std::optional<std::string> originalBytes(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += char(c);
            ++i;
            continue;
        }
        const size_t len = c >= 0xE0 ? 3 : 2;  // 1252 never needs four bytes
        if (c < 0xC2 || c >= 0xF0 || i + len > utf8.size()) {
            return std::nullopt;
        }
        uint32_t cp = len == 2 ? (c & 0x1Fu) : (c & 0x0Fu);
        for (size_t k = 1; k < len; ++k) {
            cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        i += len;
        bool found = false;
        for (const auto& [point, byte] : highBytes()) {
            if (point == cp) {
                out += char(byte);
                found = true;
                break;
            }
        }
        if (!found) {
            return std::nullopt;
        }
    }
    // Valid UTF-8 would have been read back unchanged.
    if (text::isValidUtf8(out)) {
        return std::nullopt;
    }
    return out;
}

bool present(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

std::string key(std::string_view name) {
    return text::fromLegacy(name);
}

std::vector<std::string> spellings(const std::string& path) {
    std::vector<std::string> all{path};
    if (auto original = originalBytes(path)) {
        all.push_back(std::move(*original));
    }
    return all;
}

std::string onDisk(const std::string& path) {
    if (present(path)) {
        return path;
    }
    if (auto original = originalBytes(path); original && present(*original)) {
        return *original;
    }
    return path;
}

}  // namespace sonara::disk_names
