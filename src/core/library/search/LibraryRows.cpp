#include "core/library/search/LibraryRows.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <numeric>
#include <string>
#include <string_view>

#include "core/io/Text.h"
#include "core/library/search/DisplayMatch.h"
#include "core/library/search/RecordPrefetch.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

namespace {

struct RowKey {
    // The first eight bytes of the leading key, folded, as a big-endian
    // number: most comparisons end there without a walk over the texts.
    uint64_t prefix = 0;
    std::string_view artist;
    std::string_view album;
    std::string_view title;
    std::string_view fileName;
};

uint64_t foldedPrefix(std::string_view text) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        const auto c = i < text.size() ? static_cast<unsigned char>(text::foldAscii(text[i])) : 0u;
        prefix = prefix << 8 | c;
    }
    return prefix;
}

bool firstRuleLess(const RowKey& a, const RowKey& b) {
    if (a.prefix != b.prefix) {
        return a.prefix < b.prefix;
    }
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
    if (a.prefix != b.prefix) {
        return a.prefix < b.prefix;
    }
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
    auto key = [&](std::string_view source) {
        const std::string_view k = displayKey(source, options, scratch);
        if (k.data() != scratch.data()) {
            return k;
        }
        return std::string_view(made.emplace_back(std::move(scratch)));
    };
    std::vector<RowKey> keys;
    keys.reserve(records_.size());
    visitPrefetched(
        records_.size(), [this](size_t i) { return records_[i]; },
        [&](const LibraryRecord* r) {
            const DisplaySources s = displaySources(*r, options);
            RowKey k;
            k.artist = key(s.artist);
            if (rule == RowSortRule::First) {
                k.album = key(s.album);
            }
            k.title = key(s.title);
            k.fileName = r->fileName();
            k.prefix = foldedPrefix(rule == RowSortRule::First ? k.artist : k.title);
            keys.push_back(k);
        });
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
