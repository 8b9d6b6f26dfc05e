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
