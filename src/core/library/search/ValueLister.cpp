#include "core/library/search/ValueLister.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <unordered_map>

#include "core/io/CaseFold.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/library/search/DisplayMatch.h"
#include "core/library/search/ListingProgress.h"

namespace sonara {

namespace {

// FNV-1a over the folded form; kept out of line, since library texts are
// nearly all ASCII and this loop would weigh on the lister's inner loop.
[[gnu::noinline]] size_t foldedHashBeyondAscii(std::string_view s) {
    uint64_t h = 14695981039346656037ULL;
    for (const char c : text::foldCase(s)) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return size_t(h);
}

// The hash of the folded text; an ASCII text is hashed as it is read.
struct FoldedHash {
    size_t operator()(std::string_view s) const {
        if (!text::isAscii(s)) {
            return foldedHashBeyondAscii(s);
        }
        uint64_t h = 14695981039346656037ULL;  // FNV-1a
        for (const char c : s) {
            h = (h ^ static_cast<unsigned char>(text::foldAscii(c))) * 1099511628211ULL;
        }
        return size_t(h);
    }
};

struct FoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const {
        return text::equalsFolded(a, b);
    }
};

struct Distinct {
    std::string_view key;
    LibraryRecord* record;
};

}  // namespace

// The listing sorts nothing but the distinct values: equal values are found
// by hashing rather than by sorting the whole library first, which also
// leaves the library's order alone.
ValueListing ValueLister::fill(const Library& library, const NormaliseOptions& options,
                               ListingProgress* progress) const {
    ValueListing listing;
    const bool all = letter_ == "*";
    const size_t n = library.count();
    if (!all || n < kProgressThreshold) {
        progress = nullptr;
    }
    if (progress != nullptr) {
        progress->open(int(std::min<size_t>(n + 1, size_t(std::numeric_limits<int>::max()))));
    }
    const size_t stepEvery = std::max<size_t>(1, n / kProgressSteps);
    const DisplayField field = displayFieldOf(field_);

    std::deque<std::string> made;  // normalised keys; elements never move
    std::string scratch;
    std::unordered_map<std::string_view, size_t, FoldedHash, FoldedEqual> seen;
    std::vector<Distinct> distinct;
    for (size_t i = 0; i < n; ++i) {
        LibraryRecord* record = library.at(i);
        std::string_view key = displayKey(*record, field, options, scratch);
        if (!key.empty() && (all || text::startsWithFolded(key, letter_)) && !seen.contains(key)) {
            if (key.data() == scratch.data()) {
                key = made.emplace_back(std::move(scratch));
            }
            seen.emplace(key, distinct.size());
            distinct.push_back({key, record});
        }
        if (progress != nullptr && (i + 1) % stepEvery == 0 && !progress->step()) {
            progress->close();
            listing.cancelled = true;
            return listing;
        }
    }
    std::sort(distinct.begin(), distinct.end(), [](const Distinct& a, const Distinct& b) {
        return text::compareNoCase(a.key, b.key) < 0;
    });
    listing.values.reserve(distinct.size());
    for (const Distinct& d : distinct) {
        listing.values.push_back({displayValue(*d.record, field, options), d.record});
    }
    if (progress != nullptr) {
        progress->close();
    }
    return listing;
}

const std::string& selectorTitle(ListerField field) {
    static const std::string titles[] = {"Artist Selector", "Album  Selector", "Title Selector"};
    return titles[int(field)];
}

const std::string& selectorCaption(ListerField field) {
    static const std::string captions[] = {"Artist", "Album", "Title"};
    return captions[int(field)];
}

}  // namespace sonara
