#include "core/library/search/DisplayMatch.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "core/io/Text.h"
#include "core/library/LibraryRecord.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

namespace {

// What normalising may do to a byte beyond folding.
enum ByteClass : uint8_t { kPlain, kBracket, kParen, kUnderscore, kLatinLead, kSpace };

constexpr std::array<uint8_t, 256> makeClasses() {
    std::array<uint8_t, 256> classes{};
    classes['['] = classes[']'] = kBracket;
    classes['('] = classes[')'] = kParen;
    classes['_'] = kUnderscore;
    classes[0xC3] = kLatinLead;  // U+00C0..U+00FF: a word's first may be capitalised
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        classes[static_cast<unsigned char>(c)] = kSpace;
    }
    return classes;
}
constexpr std::array<uint8_t, 256> kClasses = makeClasses();

// The stored text a display value is made from (the record's own rule).
std::string_view sourceText(const LibraryRecord& r, DisplayField field,
                            const NormaliseOptions& options) {
    if (field == DisplayField::Album) {
        return r.tagAlbum();
    }
    const bool useTag = options.useTagInfo && r.hasTagTitleAndArtist();
    if (field == DisplayField::Title) {
        return useTag ? r.tagTitle() : r.title();
    }
    return useTag ? r.tagArtist() : r.artist();
}

}  // namespace

bool normalisesToItself(std::string_view text, const NormaliseOptions& options) {
    if (text.empty()) {
        return true;
    }
    // Every option ends in a trim, as does normalising with none.
    if (kClasses[static_cast<unsigned char>(text.front())] == kSpace ||
        kClasses[static_cast<unsigned char>(text.back())] == kSpace) {
        return false;
    }
    bool wordStart = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (kClasses[c]) {
            case kPlain:
                break;
            case kBracket:
                if (options.replaceBrackets) {
                    return false;
                }
                break;
            case kParen:
                if (options.replaceParens) {
                    return false;
                }
                break;
            case kUnderscore:
                if (options.replaceUnderscore) {
                    return false;
                }
                break;
            case kLatinLead:
                // Capitalising "é" changes its second byte, which folding keeps.
                if (options.firstLetterCaps && wordStart && i + 1 < text.size()) {
                    const auto next = static_cast<unsigned char>(text[i + 1]);
                    if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                        return false;
                    }
                }
                break;
            case kSpace:
                break;
        }
        wordStart = c == ' ';
    }
    return true;
}

std::string_view displayKey(const LibraryRecord& record, DisplayField field,
                            const NormaliseOptions& options, std::string& scratch) {
    const std::string_view source = sourceText(record, field, options);
    if (normalisesToItself(source, options)) {
        return source;
    }
    scratch = normalise(source, options);
    return scratch;
}

std::string displayValue(const LibraryRecord& record, DisplayField field,
                         const NormaliseOptions& options) {
    return normalise(sourceText(record, field, options), options);
}

FoldedPattern::FoldedPattern(std::string_view needle) : folded_(text::toLowerAscii(needle)) {}

bool FoldedPattern::foundIn(std::string_view text) const {
    const size_t n = folded_.size();
    if (n == 0 || text.size() < n) {
        return false;
    }
    const char first = folded_[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? char(first - 'a' + 'A') : first;
    const char* rest = folded_.data() + 1;
    const size_t last = text.size() - n;
    for (size_t i = 0; i <= last; ++i) {
        const char c = text[i];
        if (c != first && c != firstUpper) {
            continue;
        }
        size_t k = 1;
        while (k < n && text::foldAscii(text[i + k]) == rest[k - 1]) {
            ++k;
        }
        if (k == n) {
            return true;
        }
    }
    return false;
}

}  // namespace sonara
