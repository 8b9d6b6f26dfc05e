#include "platform/MountInfo.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

namespace sonara::platform {

namespace {

constexpr size_t kMaxTableBytes = size_t(64) << 20;

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

template <typename Number>
bool parseNumber(std::string_view text, Number& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty();
}

// The kernel writes fields with single blanks between them and escapes
// blanks inside a field, so an empty field (an empty source) stays a field.
std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (start <= line.size()) {
        const size_t blank = line.find(' ', start);
        const size_t end = blank == std::string_view::npos ? line.size() : blank;
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

// "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue"
std::optional<MountEntry> parseLine(std::string_view line) {
    const std::vector<std::string_view> fields = splitFields(line);
    // Six fixed fields, any number of optional ones, "-", type and source
    // (the super options that follow are not needed).
    size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-") {
        ++separator;
    }
    if (separator + 2 >= fields.size()) {
        return std::nullopt;
    }
    MountEntry entry;
    const std::string_view device = fields[2];
    const size_t colon = device.find(':');
    if (!parseNumber(fields[0], entry.id) || !parseNumber(fields[1], entry.parentId) ||
        colon == std::string_view::npos || !parseNumber(device.substr(0, colon), entry.major) ||
        !parseNumber(device.substr(colon + 1), entry.minor)) {
        return std::nullopt;
    }
    entry.root = unescapeMountField(fields[3]);
    entry.mountPoint = unescapeMountField(fields[4]);
    entry.fsType = unescapeMountField(fields[separator + 1]);
    entry.source = unescapeMountField(fields[separator + 2]);
    if (entry.root.empty() || entry.mountPoint.empty() || entry.mountPoint[0] != '/' ||
        entry.fsType.empty()) {
        return std::nullopt;
    }
    while (entry.mountPoint.size() > 1 && entry.mountPoint.back() == '/') {
        entry.mountPoint.pop_back();
    }
    return entry;
}

}  // namespace

std::string unescapeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        // Three digits above \377 would not fit a byte: not an escape.
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3' && isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                        (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> entries;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (auto entry = parseLine(line)) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

Result<std::vector<MountEntry>> readMountInfo(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return Result<std::vector<MountEntry>>::failure(path + ": " + std::strerror(errno));
    }
    std::string text;
    char buffer[16384];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (text.size() + got > kMaxTableBytes) {
            return Result<std::vector<MountEntry>>::failure(path + ": too large for a mount table");
        }
        text.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        return Result<std::vector<MountEntry>>::failure(path + ": read error");
    }
    return parseMountInfo(text);
}

std::vector<MountEntry> visibleMounts(const std::vector<MountEntry>& mounts) {
    const size_t count = mounts.size();
    constexpr size_t kNone = size_t(-1);
    std::unordered_map<int, size_t> byId;
    for (size_t i = 0; i < count; ++i) {
        byId.emplace(mounts[i].id, i);
    }
    auto parentOf = [&](size_t i) {
        if (mounts[i].parentId == mounts[i].id) {
            return kNone;
        }
        const auto it = byId.find(mounts[i].parentId);
        return it == byId.end() ? kNone : it->second;
    };
    // A mount is covered by a later child mounted on the same point; the
    // later of two such children is the one on top.
    std::vector<size_t> coveredBy(count, kNone);
    for (size_t i = 0; i < count; ++i) {
        const size_t parent = parentOf(i);
        if (parent != kNone && parent != i && mounts[parent].mountPoint == mounts[i].mountPoint) {
            coveredBy[parent] = i;
        }
    }
    std::vector<MountEntry> visible;
    for (size_t i = 0; i < count; ++i) {
        bool reachable = coveredBy[i] == kNone;
        size_t child = i;
        size_t ancestor = parentOf(i);
        // Bounded by the table size, so a damaged table with a parent cycle ends.
        for (size_t steps = 0; reachable && ancestor != kNone && steps < count; ++steps) {
            if (coveredBy[ancestor] != kNone && coveredBy[ancestor] != child) {
                reachable = false;
            }
            child = ancestor;
            ancestor = parentOf(ancestor);
        }
        if (reachable) {
            visible.push_back(mounts[i]);
        }
    }
    return visible;
}

}  // namespace sonara::platform
