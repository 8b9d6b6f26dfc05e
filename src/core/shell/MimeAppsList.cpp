#include "core/shell/MimeAppsList.h"

#include <filesystem>

#include "core/io/AtomicFile.h"
#include "core/io/Text.h"
#include "core/shell/TextFileReader.h"

namespace sonara {

using namespace text;

namespace {

bool isGroupHeader(std::string_view line) {
    const std::string_view text = trim(line);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

std::string_view groupName(std::string_view line) {
    const std::string_view text = trim(line);
    return text.substr(1, text.size() - 2);
}

// The key of an entry line, or nothing for comments, blanks and lines
// without '='.
std::optional<std::string_view> entryKey(std::string_view line) {
    const std::string_view text = trimLeft(line);
    if (text.empty() || text.front() == '#') {
        return std::nullopt;
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trimRight(text.substr(0, equals));
}

std::string joinIds(const std::vector<std::string>& ids) {
    std::string value;
    for (const std::string& id : ids) {
        value += id;
        value += ';';
    }
    return value;
}

}  // namespace

std::vector<std::string> splitDesktopIds(std::string_view value) {
    std::vector<std::string> ids;
    size_t from = 0;
    while (from <= value.size()) {
        const size_t end = std::min(value.find(';', from), value.size());
        const std::string_view id = trim(value.substr(from, end - from));
        if (!id.empty()) {
            ids.emplace_back(id);
        }
        from = end + 1;
    }
    return ids;
}

Result<MimeAppsList> MimeAppsList::load(const std::string& path) {
    auto text = readSmallTextFile(path);
    if (!text) {
        return Result<MimeAppsList>::failure(text.status());
    }
    return text.value() ? fromText(*text.value()) : MimeAppsList();
}

MimeAppsList MimeAppsList::fromText(std::string_view text) {
    MimeAppsList list;
    if (text.empty()) {
        return list;
    }
    size_t from = 0;
    while (from < text.size()) {
        const size_t end = text.find('\n', from);
        std::string_view line =
            text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
        Line parsed;
        if (!line.empty() && line.back() == '\r') {
            parsed.crlf = true;
            line.remove_suffix(1);
        }
        parsed.text = std::string(line);
        list.lines_.push_back(std::move(parsed));
        if (end == std::string_view::npos) {
            list.endsWithNewline_ = false;
            break;
        }
        from = end + 1;
    }
    return list;
}

std::optional<size_t> MimeAppsList::findGroup(std::string_view group) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (isGroupHeader(lines_[i].text) && groupName(lines_[i].text) == group) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<size_t> MimeAppsList::findKey(size_t groupLine, std::string_view key) const {
    for (size_t i = groupLine + 1; i < lines_.size() && !isGroupHeader(lines_[i].text); ++i) {
        if (entryKey(lines_[i].text) == key) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> MimeAppsList::ids(std::string_view group, std::string_view key) const {
    const std::optional<size_t> header = findGroup(group);
    if (!header) {
        return {};
    }
    const std::optional<size_t> line = findKey(*header, key);
    if (!line) {
        return {};
    }
    const std::string& text = lines_[*line].text;
    return splitDesktopIds(std::string_view(text).substr(text.find('=') + 1));
}

void MimeAppsList::setIds(std::string_view group, std::string_view key,
                          const std::vector<std::string>& ids) {
    if (this->ids(group, key) == ids) {
        return;
    }
    const bool crlf = !lines_.empty() && lines_.front().crlf;
    const std::string entry = std::string(key) + "=" + joinIds(ids);
    std::optional<size_t> header = findGroup(group);
    if (!header) {
        if (ids.empty()) {
            return;
        }
        if (!lines_.empty() && !trim(lines_.back().text).empty()) {
            lines_.push_back(Line{"", crlf});
        }
        lines_.push_back(Line{"[" + std::string(group) + "]", crlf});
        lines_.push_back(Line{entry, crlf});
        endsWithNewline_ = true;
        changed_ = true;
        return;
    }
    if (const std::optional<size_t> line = findKey(*header, key)) {
        if (ids.empty()) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
        } else {
            lines_[*line].text = entry;
        }
        changed_ = true;
        return;
    }
    if (ids.empty()) {
        return;
    }
    size_t after = *header;
    for (size_t i = *header + 1; i < lines_.size() && !isGroupHeader(lines_[i].text); ++i) {
        if (!trim(lines_[i].text).empty()) {
            after = i;
        }
    }
    if (after + 1 == lines_.size()) {
        endsWithNewline_ = true;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), Line{entry, crlf});
    changed_ = true;
}

std::string MimeAppsList::toText() const {
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i].text;
        if (lines_[i].crlf) {
            text += '\r';
        }
        if (i + 1 < lines_.size() || endsWithNewline_) {
            text += '\n';
        }
    }
    return text;
}

Status MimeAppsList::save(const std::string& path) const {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        return Status::failure(ErrorKind::Io, path + ": " + error.message());
    }
    return writeFileAtomically(path, toText());
}

}  // namespace sonara
