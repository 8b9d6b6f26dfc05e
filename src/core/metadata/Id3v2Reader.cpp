// The only file that includes TagLib.
#include "core/metadata/Id3v2Reader.h"

#include <taglib/id3v1genres.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

#include "core/io/Text.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/TagFile.h"

namespace sonara {

namespace {

constexpr size_t kHeaderSize = 10;

std::string utf8(const TagLib::String& s) {
    return s.to8Bit(true);
}

// The name of an ID3v1 genre number as a TCON frame may hold it.
std::string genreOfNumber(int number) {
    if (number >= 0 && number < genres::kCount) {
        return genres::name(number);
    }
    return utf8(TagLib::ID3v1::genre(number));  // the later extensions; empty past them
}

std::optional<int> parseNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 3) {
        return std::nullopt;
    }
    int number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

void addName(std::vector<std::string>& names, std::string name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(std::move(name));
    }
}

std::string genreOfCode(std::string_view code) {
    if (code == "RX") {
        return "Remix";
    }
    if (code == "CR") {
        return "Cover";
    }
    if (const auto number = parseNumber(code)) {
        return genreOfNumber(*number);
    }
    return std::string(code);
}

// One TCON entry: a genre number ("13"), "RX" or "CR", the ID3v2.3 form
// "(13)" with an optional refinement ("(4)Eurodisco" is Disco refined), or
// plain text. TagLib 1.13 already splits the "(13)" forms when it reads the
// frame; they are handled here too so that no TagLib version shows "(13)".
void addEntry(std::vector<std::string>& names, std::string_view entry) {
    entry = text::trim(entry);
    const size_t close = entry.find(')');
    if (!entry.empty() && entry[0] == '(' && close != std::string_view::npos) {
        addName(names, genreOfCode(entry.substr(1, close - 1)));
        addName(names, std::string(text::trim(entry.substr(close + 1))));
        return;
    }
    addName(names, genreOfCode(entry));
}

std::string genreOf(const TagLib::ID3v2::Tag& tag) {
    const auto& frames = tag.frameListMap();
    const auto it = frames.find("TCON");
    if (it == frames.end() || it->second.isEmpty()) {
        return {};
    }
    const auto* frame =
        dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(it->second.front());
    if (frame == nullptr) {
        return {};
    }
    std::vector<std::string> names;
    for (const auto& field : frame->fieldList()) {
        addEntry(names, utf8(field));
    }
    std::string joined;
    for (const auto& name : names) {
        joined += joined.empty() ? name : " / " + name;
    }
    return joined;
}

}  // namespace

bool hasId3v2Header(std::span<const uint8_t> head) {
    if (head.size() < kHeaderSize || head[0] != 'I' || head[1] != 'D' || head[2] != '3') {
        return false;
    }
    if (head[3] < 2 || head[3] > 4 || head[4] == 0xFF) {
        return false;
    }
    for (size_t i = 6; i < kHeaderSize; ++i) {
        if (head[i] >= 0x80) {
            return false;
        }
    }
    return true;
}

size_t id3v2TagSize(std::span<const uint8_t> head) {
    if (!hasId3v2Header(head)) {
        return 0;
    }
    const size_t body = (size_t(head[6]) << 21) | (size_t(head[7]) << 14) | (size_t(head[8]) << 7) |
                        size_t(head[9]);
    const bool footer = head[3] == 4 && (head[5] & 0x10) != 0;
    return kHeaderSize + body + (footer ? kHeaderSize : 0);
}

namespace {

std::optional<Id3v2Values> valuesOf(TagLib::MPEG::File& file) {
    if (!file.isValid() || !file.hasID3v2Tag()) {
        return std::nullopt;
    }
    const TagLib::ID3v2::Tag* tag = file.ID3v2Tag(false);
    if (tag == nullptr) {
        return std::nullopt;
    }
    Id3v2Values values;
    values.title = utf8(tag->title());
    values.artist = utf8(tag->artist());
    values.album = utf8(tag->album());
    values.genre = genreOf(*tag);
    values.comment = utf8(tag->comment());
    if (values.title.empty() && values.artist.empty() && values.album.empty() &&
        values.genre.empty() && values.comment.empty()) {
        return std::nullopt;
    }
    return values;
}

}  // namespace

std::optional<Id3v2Values> parseId3v2(std::span<const uint8_t> tagBytes) {
    try {
        if (!hasId3v2Header(tagBytes)) {
            return std::nullopt;
        }
        TagLib::ByteVector bytes(reinterpret_cast<const char*>(tagBytes.data()),
                                 static_cast<unsigned int>(tagBytes.size()));
        TagLib::ByteVectorStream stream(bytes);
        TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        return valuesOf(file);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<Id3v2Values> readId3v2(const std::string& path) {
    try {
        {
            // Also keeps FIFOs and devices away from TagLib.
            const auto file = TagFile::openForReading(path);
            if (!file) {
                return std::nullopt;
            }
            const auto head = file->readHead(kHeaderSize);
            if (!head || !hasId3v2Header(*head)) {
                return std::nullopt;
            }
        }
        TagLib::MPEG::File file(path.c_str(), false);
        return valuesOf(file);
    } catch (...) {
        // TagLib reports damage by return values; this is for memory running out.
        return std::nullopt;
    }
}

}  // namespace sonara
