#include "core/io/CaseFold.h"

#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/stringoptions.h>
#include <unicode/utypes.h>

#include <cstdint>
#include <cstring>

#include "core/io/Characters.h"
#include "core/io/Text.h"

namespace sonara::text {

bool isAscii(std::string_view text) {
    const char* p = text.data();
    const size_t n = text.size();
    size_t i = 0;
    uint64_t highs = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, p + i, 8);
        highs |= word;
    }
    for (; i < n; ++i) {
        highs |= static_cast<unsigned char>(p[i]);
    }
    return (highs & 0x8080808080808080ULL) == 0;
}

namespace {

void foldAsciiInto(std::string_view text, std::string& out) {
    out.assign(text);
    for (char& c : out) {
        c = foldAscii(c);
    }
}

}  // namespace

void foldCaseInto(std::string_view text, std::string& out) {
    out.clear();
    if (isAscii(text) || text.size() > size_t(INT32_MAX)) {
        foldAsciiInto(text, out);
        return;
    }
    icu::StringByteSink<std::string> sink(&out, int32_t(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    icu::CaseMap::utf8Fold(U_FOLD_CASE_DEFAULT, icu::StringPiece(text.data(), int32_t(text.size())),
                           sink, nullptr, status);
    if (U_FAILURE(status)) {
        // ICU could not allocate: the A to Z rule still compares the text.
        foldAsciiInto(text, out);
    }
}

std::string foldCase(std::string_view text) {
    std::string out;
    foldCaseInto(text, out);
    return out;
}

bool foldedAlikeBeyondAscii(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        return false;
    }
    return foldCase(a) == foldCase(b);
}

bool startsWithFolded(std::string_view value, std::string_view character) {
    const std::string_view wanted = firstCharacter(character);
    const std::string_view first = firstCharacter(value);
    if (wanted.empty() || first.empty()) {
        return false;
    }
    if (wanted.size() == 1 && first.size() == 1) {
        return foldAscii(wanted[0]) == foldAscii(first[0]);
    }
    return foldCase(first) == foldCase(wanted);
}

}  // namespace sonara::text
