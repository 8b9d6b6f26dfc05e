#include "core/library/search/DisplayMatch.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/io/CaseFold.h"
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

// Whether the byte at `i`, one that normalising may touch, makes the text
// differ from its display value beyond A to Z case.
bool changesAt(std::string_view text, size_t i, const NormaliseOptions& options) {
    switch (kClasses[static_cast<unsigned char>(text[i])]) {
        case kBracket:
            return options.replaceBrackets;
        case kParen:
            return options.replaceParens;
        case kUnderscore:
            return options.replaceUnderscore;
        case kLatinLead: {
            // Capitalising "é" changes its second byte, which folding keeps.
            if (!options.firstLetterCaps || (i > 0 && text[i - 1] != ' ') || i + 1 >= text.size()) {
                return false;
            }
            const auto next = static_cast<unsigned char>(text[i + 1]);
            return next >= 0xA0 && next <= 0xBE && next != 0xB7;
        }
        default:
            return false;
    }
}

// Eight bytes as one word, the first byte lowest (a place's byte is found by
// counting trailing zero bits): whether any byte is `c`.
static_assert(std::endian::native == std::endian::little);
constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighs = 0x8080808080808080ULL;

inline bool hasByte(uint64_t word, char c) {
    const uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ((x - kOnes) & ~x & kHighs) != 0;
}

inline bool candidateIn8(const char* p) {
    uint64_t w = 0;
    std::memcpy(&w, p, 8);
    return (w & kHighs) != 0 || hasByte(w, '_') || hasByte(w | kOnes, ')') || hasByte(w, '[') ||
           hasByte(w, ']');
}

#if defined(__SSE2__)
inline bool candidateIn16(const char* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hits = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(_mm_or_si128(v, _mm_set1_epi8(1)), _mm_set1_epi8(')')),
                     _mm_cmpeq_epi8(v, _mm_set1_epi8('_'))),
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('[')), _mm_cmpeq_epi8(v, _mm_set1_epi8(']'))));
    return (_mm_movemask_epi8(hits) | _mm_movemask_epi8(v)) != 0;
}
#else
inline bool candidateIn16(const char* p) {
    return candidateIn8(p) || candidateIn8(p + 8);
}
#endif

// Whether any byte may be one that normalising touches: a bracket, a
// parenthesis, an underscore or a byte of a multi-byte character. Reads only
// inside the text, in blocks that may overlap.
bool mayChange(std::string_view text) {
    const char* p = text.data();
    const size_t n = text.size();
    if (n >= 16) {
        for (size_t i = 0; i + 16 < n; i += 16) {
            if (candidateIn16(p + i)) {
                return true;
            }
        }
        return candidateIn16(p + n - 16);
    }
    if (n >= 8) {
        return candidateIn8(p) || candidateIn8(p + n - 8);
    }
    for (size_t i = 0; i < n; ++i) {
        const uint8_t c = kClasses[static_cast<unsigned char>(p[i])];
        if (c != kPlain && c != kSpace) {
            return true;
        }
    }
    return false;
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
    // Most texts hold none of the bytes normalising touches.
    if (!mayChange(text)) {
        return true;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t c = kClasses[static_cast<unsigned char>(text[i])];
        if (c != kPlain && c != kSpace && changesAt(text, i, options)) {
            return false;
        }
    }
    return true;
}

DisplaySources displaySources(const LibraryRecord& r, const NormaliseOptions& options) {
    DisplaySources s;
    s.album = r.tagAlbum();
    const std::string_view tagTitle = r.tagTitle();
    const std::string_view tagArtist = r.tagArtist();
    if (options.useTagInfo && !tagTitle.empty() && !tagArtist.empty()) {
        s.title = tagTitle;
        s.artist = tagArtist;
    } else {
        s.title = r.title();
        s.artist = r.artist();
    }
    return s;
}

std::string_view displayKey(std::string_view source, const NormaliseOptions& options,
                            std::string& scratch) {
    if (normalisesToItself(source, options)) {
        return source;
    }
    normaliseInto(source, options, scratch);
    return scratch;
}

void normaliseInto(std::string_view text, const NormaliseOptions& options, std::string& out) {
    out.clear();
    for (char c : text) {
        if ((options.replaceBrackets && (c == '[' || c == ']')) ||
            (options.replaceParens && (c == '(' || c == ')'))) {
            continue;
        }
        if (options.replaceUnderscore && c == '_') {
            c = ' ';
        }
        out.push_back(c);
    }
    // The trims normalise() makes between its steps come to one trim here:
    // capitalising neither makes nor removes blanks.
    const std::string_view trimmed = text::trim(out);
    if (trimmed.size() != out.size()) {
        const size_t start = size_t(trimmed.data() - out.data());
        out.erase(start + trimmed.size());
        out.erase(0, start);
    }
    if (!options.firstLetterCaps) {
        return;
    }
    for (size_t i = 0; i < out.size(); ++i) {
        if (i != 0 && out[i - 1] != ' ') {
            continue;
        }
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = char(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                out[i + 1] = char(next - 0x20);
            }
        }
    }
}

std::string_view displayKey(const LibraryRecord& record, DisplayField field,
                            const NormaliseOptions& options, std::string& scratch) {
    return displayKey(sourceText(record, field, options), options, scratch);
}

std::string displayValue(const LibraryRecord& record, DisplayField field,
                         const NormaliseOptions& options) {
    return normalise(sourceText(record, field, options), options);
}

FoldedPattern::FoldedPattern(std::string_view needle) : folded_(text::foldCase(needle)) {
    if (folded_.size() >= 2) {
        firstTwice_ = kOnes * static_cast<unsigned char>(folded_[0] | 0x20);
        secondTwice_ = kOnes * static_cast<unsigned char>(folded_[1] | 0x20);
    }
}

// Most texts are ASCII and most searches miss: a miss costs one look for a
// byte above 0x7F, gathered from the words the search reads anyway.
bool FoldedPattern::foundIn(std::string_view text) const {
    const size_t n = folded_.size();
    if (n == 0) {
        return false;
    }
    if (text.size() < n) {
        return !text::isAscii(text) && foundFolded(text);
    }
    const size_t last = text.size() - n;  // the last place a match can start
    auto matchesAt = [&](size_t at) {
        for (size_t k = 0; k < n; ++k) {
            if (text::foldAscii(text[at + k]) != folded_[k]) {
                return false;
            }
        }
        return true;
    };
    // Eight places at a time: a place is worth a look when its byte and the
    // next, with bit 5 set, are the pattern's first two with bit 5 set (both
    // cases of a letter, and a few other pairs that the look turns down).
    size_t at = 0;
    uint64_t highs = 0;
    if (n >= 2) {
        const uint64_t bit5 = kOnes * 0x20;
        const uint64_t first = firstTwice_;
        const uint64_t second = secondTwice_;
        for (; at <= last && at + 9 <= text.size(); at += 8) {
            uint64_t w0 = 0;
            uint64_t w1 = 0;
            std::memcpy(&w0, text.data() + at, 8);
            std::memcpy(&w1, text.data() + at + 1, 8);
            highs |= w0;
            const uint64_t x0 = (w0 | bit5) ^ first;
            const uint64_t x1 = (w1 | bit5) ^ second;
            // High bit of byte k: byte k of x is zero (or, rarely, a look for
            // nothing after a zero below it).
            uint64_t places = ((x0 - kOnes) & ~x0 & kHighs) & ((x1 - kOnes) & ~x1 & kHighs);
            for (; places != 0; places &= places - 1) {
                const size_t k = at + size_t(__builtin_ctzll(places)) / 8;
                if (k <= last && matchesAt(k)) {
                    return true;
                }
            }
        }
    }
    for (size_t k = at; k <= last; ++k) {
        if (matchesAt(k)) {
            return true;
        }
    }
    // The words read cover the bytes before `at`; the rest are read a word
    // at a time too, the last word overlapping the one before it.
    if (text.size() >= 8) {
        uint64_t word = 0;
        for (; at + 8 <= text.size(); at += 8) {
            std::memcpy(&word, text.data() + at, 8);
            highs |= word;
        }
        std::memcpy(&word, text.data() + text.size() - 8, 8);
        highs |= word;
    } else {
        for (; at < text.size(); ++at) {
            highs |= static_cast<unsigned char>(text[at]);
        }
    }
    return (highs & kHighs) != 0 && foundFolded(text);
}

[[gnu::noinline]] bool FoldedPattern::foundFolded(std::string_view text) const {
    text::foldCaseInto(text, scratch_);
    return scratch_.find(folded_) != std::string::npos;
}

}  // namespace sonara
