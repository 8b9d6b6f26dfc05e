#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/library/search/SearchField.h"

namespace sonara {

class LibraryRecord;
struct NormaliseOptions;

// Searches compare display values case folded. Normalising
// a value copies it and makes several passes, far more work than the
// comparison, yet for most stored texts it changes nothing that folding does
// not ignore anyway. These helpers give such a text as it is stored and
// normalise only the others.

// True when normalise(text, options) differs from `text` at most in the case
// of the letters A to Z.
bool normalisesToItself(std::string_view text, const NormaliseOptions& options);

// The stored texts a record's display title, artist and album are made
// from, picked by the record's own rule (the tag's texts when the options
// use tag information and the tag has a title and an artist).
struct DisplaySources {
    std::string_view title;
    std::string_view artist;
    std::string_view album;

    std::string_view of(DisplayField field) const {
        return field == DisplayField::Title    ? title
               : field == DisplayField::Artist ? artist
                                               : album;
    }
};
DisplaySources displaySources(const LibraryRecord& record, const NormaliseOptions& options);

// normalise() into a buffer the caller keeps, so that a search allocates
// nothing per record; the text is exactly normalise()'s.
void normaliseInto(std::string_view text, const NormaliseOptions& options, std::string& out);

// A text that compares, A to Z folded, exactly as the record's display value
// does: the stored text itself where normalising it would change nothing
// else, otherwise the display value, made in `scratch`. For comparisons only:
// its case may differ from what the list shows. Valid while the record and
// `scratch` are unchanged.
std::string_view displayKey(const LibraryRecord& record, DisplayField field,
                            const NormaliseOptions& options, std::string& scratch);
// The same for a source text of displaySources().
std::string_view displayKey(std::string_view source, const NormaliseOptions& options,
                            std::string& scratch);
// The display value itself, as the list shows it.
std::string displayValue(const LibraryRecord& record, DisplayField field,
                         const NormaliseOptions& options);

// A text to look for inside others, case folded (the search box's rule: both
// sides folded, then a plain substring test). ASCII texts are searched
// without folding them first. One pattern serves one thread: it keeps a
// buffer for texts that need folding.
class FoldedPattern {
  public:
    explicit FoldedPattern(std::string_view needle);
    // An empty pattern is found nowhere, not even in an empty text.
    bool foundIn(std::string_view text) const;

  private:
    // The search for a text with letters beyond A to Z: the whole text
    // folded, then a plain find.
    bool foundFolded(std::string_view text) const;

    std::string folded_;
    // The first and the second folded byte, with bit 5 set, in every byte of
    // a word: what the eight-places-at-a-time look compares against.
    uint64_t firstTwice_ = 0;
    uint64_t secondTwice_ = 0;
    mutable std::string scratch_;
};

}  // namespace sonara
