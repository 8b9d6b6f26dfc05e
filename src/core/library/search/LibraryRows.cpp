#include "core/library/search/LibraryRows.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <string>
#include <string_view>

#include "core/io/Text.h"
#include "core/library/search/DisplayMatch.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

namespace {

struct RowKey {
    std::string_view artist;
    std::string_view album;
    std::string_view title;
    std::string_view fileName;
};

bool firstRuleLess(const RowKey& a, const RowKey& b) {
    if (int c = text::compareNoCase(a.artist, b.artist); c != 0) {
        return c < 0;
    }
    if (a.album.empty() != b.album.empty()) {
        return !a.album.empty();
    }
    if (int c = text::compareNoCase(a.album, b.album); c != 0) {
        return c < 0;
    }
    if (int c = text::compareNoCase(a.title, b.title); c != 0) {
        return c < 0;
    }
    return text::compareNoCase(a.fileName, b.fileName) < 0;
}

bool secondRuleLess(const RowKey& a, const RowKey& b) {
    if (int c = text::compareNoCase(a.title, b.title); c != 0) {
        return c < 0;
    }
    if (int c = text::compareNoCase(a.artist, b.artist); c != 0) {
        return c < 0;
    }
    return text::compareNoCase(a.fileName, b.fileName) < 0;
}

}  // namespace

void LibraryRows::sort(RowSortRule rule, const NormaliseOptions& options) {
    if (records_.size() < 2) {
        return;
    }
    // Keys are made once per row; the few texts that need normalising are
    // kept in `made`, whose elements never move.
    std::deque<std::string> made;
    std::string scratch;
    auto key = [&](const LibraryRecord& r, DisplayField field) {
        const std::string_view k = displayKey(r, field, options, scratch);
        if (k.data() != scratch.data()) {
            return k;
        }
        return std::string_view(made.emplace_back(std::move(scratch)));
    };
    std::vector<RowKey> keys;
    keys.reserve(records_.size());
    for (const LibraryRecord* r : records_) {
        RowKey k;
        k.artist = key(*r, DisplayField::Artist);
        if (rule == RowSortRule::First) {
            k.album = key(*r, DisplayField::Album);
        }
        k.title = key(*r, DisplayField::Title);
        k.fileName = r->fileName();
        keys.push_back(k);
    }
    std::vector<size_t> order(records_.size());
    std::iota(order.begin(), order.end(), size_t(0));
    const auto less = rule == RowSortRule::First ? firstRuleLess : secondRuleLess;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return less(keys[a], keys[b]); });
    std::vector<LibraryRecord*> sorted;
    sorted.reserve(records_.size());
    for (const size_t i : order) {
        sorted.push_back(records_[i]);
    }
    records_ = std::move(sorted);
}

}  // namespace sonara
