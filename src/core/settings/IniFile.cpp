#include "core/settings/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <set>

#include "core/io/AtomicFile.h"
#include "core/io/Text.h"

// Debian's SimpleIni keeps the template bodies behind SI_IMPLEMENTATION; this
// is the only translation unit that includes it.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace sonara {

namespace {

// Far beyond any preference or skin file; a bigger file is damage, not input.
constexpr size_t kMaxFileBytes = size_t(16) << 20;

// SimpleIni is the case-insensitive store of the visible entries. Its own
// parser and writer are not used: the parser drops lines without '=', reads
// "#0=x" as a comment, lets the last duplicate win, merges duplicate sections
// and loses a comment at the end of the file or before a repeated section
// header; the writer reformats the whole file. The layout is kept here
// instead, as the lines that were read.
struct LoadedKey {
    std::string name;
    std::string line;   // as in the file
    std::string value;  // as stored at load, to see whether it changed
    std::vector<std::string> before;
};

struct LoadedSection {
    std::string name;
    std::string header;  // as in the file
    std::vector<std::string> before;
    std::vector<LoadedKey> keys;
};

std::string decodeText(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        return std::string(bytes.substr(3));
    }
    const bool littleEndian = bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE";
    const bool bigEndian = bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF";
    if (!littleEndian && !bigEndian) {
        return std::string(bytes);
    }
    // A Notepad "Unicode" file; an odd last byte is not a character.
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(littleEndian ? char16_t(b0 | (b1 << 8)) : char16_t((b0 << 8) | b1));
    }
    return text::utf16ToUtf8(units);
}

std::vector<std::string> splitLines(std::string_view text, std::string& lineEnd) {
    std::vector<std::string> lines;
    bool endSeen = false;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (!endSeen) {
            lineEnd = crlf ? "\r\n" : "\n";
            endSeen = true;
        }
        if (crlf) {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

bool hasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos;
}

bool isPlainName(std::string_view name) {
    return !name.empty() && !hasLineBreakOrNul(name) && !text::isSpace(name.front()) &&
           !text::isSpace(name.back());
}

bool isValidSection(std::string_view name) {
    return isPlainName(name) && name.find(']') == name.npos;
}

bool isValidKey(std::string_view name) {
    return isPlainName(name) && name.find('=') == name.npos && name.front() != '[' &&
           name.front() != ';';
}

}  // namespace

struct IniFile::Impl {
    CSimpleIniA store{/*a_bIsUtf8=*/false, /*a_bMultiKey=*/false, /*a_bMultiLine=*/false};
    std::vector<LoadedSection> sections;
    std::vector<std::string> trailer;
    std::string lineEnd = "\n";

    const char* value(const std::string& section, const std::string& key) const {
        return store.GetValue(section.c_str(), key.c_str(), nullptr);
    }

    template <typename Names>
    static std::vector<std::string> inLoadOrder(Names names) {
        names.sort(CSimpleIniA::Entry::LoadOrder());
        std::vector<std::string> out;
        for (const auto& entry : names) {
            out.emplace_back(entry.pItem);
        }
        return out;
    }

    std::vector<std::string> storedKeys(const std::string& section) const {
        CSimpleIniA::TNamesDepend names;
        store.GetAllKeys(section.c_str(), names);
        return inLoadOrder(std::move(names));
    }

    std::vector<std::string> storedSections() const {
        CSimpleIniA::TNamesDepend names;
        store.GetAllSections(names);
        return inLoadOrder(std::move(names));
    }
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

Status IniFile::load(const std::string& path) {
    impl_ = std::make_unique<Impl>();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return Status::success();
        }
        return Status::failure("Cannot open " + path + ": " + std::strerror(errno));
    }
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        if (static_cast<uint64_t>(info.st_size) > kMaxFileBytes) {
            ::close(fd);
            return Status::failure("Cannot read " + path + ": the file is too large");
        }
        bytes.reserve(static_cast<size_t>(info.st_size));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int err = errno;
            ::close(fd);
            return Status::failure("Cannot read " + path + ": " + std::strerror(err));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<size_t>(got));
        if (bytes.size() > kMaxFileBytes) {
            ::close(fd);
            return Status::failure("Cannot read " + path + ": the file is too large");
        }
    }
    ::close(fd);
    return loadFromText(bytes);
}

Status IniFile::loadFromText(std::string_view bytes) {
    impl_ = std::make_unique<Impl>();
    Impl& d = *impl_;
    const std::string decoded = decodeText(bytes);
    std::vector<std::string> lines = splitLines(decoded, d.lineEnd);

    // Lines that are no visible entry wait here for the next entry, which
    // writes them back before itself.
    std::vector<std::string> pending;
    std::set<std::string> sectionNames;  // folded
    std::set<std::string> keyNames;      // folded, of the current section
    bool inVisibleSection = false;

    for (std::string& line : lines) {
        const std::string_view rest = text::trimLeft(line);
        if (rest.empty() || rest.front() == ';' || line.find('\0') != line.npos) {
            pending.push_back(std::move(line));
            continue;
        }
        if (rest.front() == '[') {
            const size_t close = rest.rfind(']');
            const std::string name = close == rest.npos
                                         ? std::string()
                                         : std::string(text::trim(rest.substr(1, close - 1)));
            if (close != rest.npos) {
                // A repeated or nameless section hides its keys, as the first
                // section of a name is the one the profile functions find.
                inVisibleSection =
                    !name.empty() && sectionNames.insert(text::toLowerAscii(name)).second;
                keyNames.clear();
            }
            if (close == rest.npos || !inVisibleSection) {
                pending.push_back(std::move(line));
                continue;
            }
            if (d.store.SetValue(name.c_str(), nullptr, nullptr) < 0) {
                return Status::failure("Out of memory reading the profile");
            }
            d.sections.push_back(LoadedSection{name, std::move(line), std::move(pending), {}});
            pending.clear();
            continue;
        }
        const size_t equals = rest.find('=');
        const std::string key = equals == rest.npos
                                    ? std::string()
                                    : std::string(text::trimRight(rest.substr(0, equals)));
        if (!inVisibleSection || key.empty() || !keyNames.insert(text::toLowerAscii(key)).second) {
            pending.push_back(std::move(line));
            continue;
        }
        LoadedSection& section = d.sections.back();
        std::string value(text::trim(rest.substr(equals + 1)));
        if (d.store.SetValue(section.name.c_str(), key.c_str(), value.c_str()) < 0) {
            return Status::failure("Out of memory reading the profile");
        }
        section.keys.push_back(
            LoadedKey{key, std::move(line), std::move(value), std::move(pending)});
        pending.clear();
    }
    d.trailer = std::move(pending);
    return Status::success();
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    if (hasLineBreakOrNul(section) || hasLineBreakOrNul(key)) {
        return std::nullopt;
    }
    const char* value = impl_->value(std::string(section), std::string(key));
    if (value == nullptr) {
        return std::nullopt;
    }
    return text::fromLegacy(value);
}

std::string IniFile::getText(std::string_view section, std::string_view key,
                             std::string_view defaultText, size_t maxChars) const {
    std::optional<std::string> value = get(section, key);
    return cutToChars(value ? std::string_view(*value) : defaultText, maxChars);
}

int IniFile::getInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> value = get(section, key);
    if (!value || value->empty()) {
        return defaultValue;
    }
    return parseProfileInt(*value);
}

Status IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    if (!isValidSection(section)) {
        return Status::failure("Not a usable section name: \"" + std::string(section) + "\"");
    }
    if (!isValidKey(key)) {
        return Status::failure("Not a usable key name: \"" + std::string(key) + "\"");
    }
    std::string clean(text::trim(value));
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; },
        ' ');
    const std::string sectionName(section);
    const std::string keyName(key);
    if (impl_->store.SetValue(sectionName.c_str(), keyName.c_str(), clean.c_str()) < 0) {
        return Status::failure("Out of memory storing a profile value");
    }
    return Status::success();
}

Status IniFile::setInt(std::string_view section, std::string_view key, int value) {
    return set(section, key, std::to_string(value));
}

bool IniFile::remove(std::string_view section, std::string_view key) {
    if (hasLineBreakOrNul(section) || hasLineBreakOrNul(key)) {
        return false;
    }
    const std::string sectionName(section);
    const std::string keyName(key);
    return impl_->store.Delete(sectionName.c_str(), keyName.c_str(), false);
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> names = impl_->storedSections();
    for (std::string& name : names) {
        name = text::fromLegacy(name);
    }
    return names;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    if (hasLineBreakOrNul(section)) {
        return {};
    }
    std::vector<std::string> names = impl_->storedKeys(std::string(section));
    for (std::string& name : names) {
        name = text::fromLegacy(name);
    }
    return names;
}

std::string IniFile::toText() const {
    const Impl& d = *impl_;
    std::string out;
    bool lastBlank = true;
    const auto emit = [&](std::string_view line) {
        out.append(line);
        out.append(d.lineEnd);
        lastBlank = text::trim(line).empty();
    };
    const auto emitAll = [&](const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            emit(line);
        }
    };
    const auto emitNewKeys = [&](const std::string& section, const std::set<std::string>& known) {
        for (const std::string& key : d.storedKeys(section)) {
            if (known.count(text::toLowerAscii(key)) == 0) {
                emit(key + "=" + d.value(section, key));
            }
        }
    };

    std::set<std::string> loadedSections;
    for (const LoadedSection& section : d.sections) {
        loadedSections.insert(text::toLowerAscii(section.name));
        emitAll(section.before);
        emit(section.header);
        std::set<std::string> loadedKeys;
        for (const LoadedKey& key : section.keys) {
            loadedKeys.insert(text::toLowerAscii(key.name));
            emitAll(key.before);
            if (const char* value = d.value(section.name, key.name)) {
                emit(key.value == value ? key.line : key.name + "=" + value);
            }
        }
        emitNewKeys(section.name, loadedKeys);
    }
    // What followed the last entry (often commented-out keys of the last
    // section) stays with it; new sections come after it.
    emitAll(d.trailer);
    for (const std::string& section : d.storedSections()) {
        if (loadedSections.count(text::toLowerAscii(section)) != 0) {
            continue;
        }
        if (!lastBlank) {
            emit("");
        }
        emit("[" + section + "]");
        emitNewKeys(section, {});
    }
    return out;
}

Status IniFile::save(const std::string& path) const {
    return writeFileAtomically(path, toText());
}

std::string cutToChars(std::string_view text, size_t maxChars) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == maxChars) {
                return std::string(text.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(text);
}

int parseProfileInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text::isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr int64_t kLimit = int64_t(INT_MAX) + 1;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return static_cast<int>(std::min<int64_t>(value, INT_MAX));
}

}  // namespace sonara
