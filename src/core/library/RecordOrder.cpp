#include "core/library/RecordOrder.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

namespace {

struct SortKey {
    std::string artist;
    std::string album;
    std::string title;
};

SortKey keyOf(const LibraryRecord& r, SortOrder order, const NormaliseOptions& options) {
    SortKey key;
    if (order == SortOrder::Artist || order == SortOrder::ArtistAlbumTitle) {
        key.artist = r.displayArtist(options);
    }
    if (order == SortOrder::Album || order == SortOrder::ArtistAlbumTitle) {
        key.album = r.displayAlbum(options);
    }
    if (order == SortOrder::Title || order == SortOrder::ArtistAlbumTitle) {
        key.title = r.displayTitle(options);
    }
    return key;
}

// Order 5: artist, then album with an empty album after every named one,
// then title.
bool artistAlbumTitleLess(const SortKey& a, const SortKey& b) {
    if (int c = text::compareNoCase(a.artist, b.artist); c != 0) {
        return c < 0;
    }
    if (a.album.empty() != b.album.empty()) {
        return !a.album.empty();
    }
    if (int c = text::compareNoCase(a.album, b.album); c != 0) {
        return c < 0;
    }
    return text::compareNoCase(a.title, b.title) < 0;
}

template <typename Ptr>
void sortAny(std::vector<Ptr>& records, SortOrder order, const NormaliseOptions& options) {
    auto rec = [](const Ptr& p) -> const LibraryRecord& { return *p; };
    if (order == SortOrder::FileName) {
        std::sort(records.begin(), records.end(), [&](const Ptr& a, const Ptr& b) {
            return text::compareNoCase(rec(a).fileName(), rec(b).fileName()) < 0;
        });
        return;
    }
    if (order == SortOrder::PlayCount) {
        std::sort(records.begin(), records.end(),
                  [&](const Ptr& a, const Ptr& b) { return rec(a).playCount > rec(b).playCount; });
        return;
    }
    // Display values cost a normalisation each: compute them once.
    std::vector<SortKey> keys;
    keys.reserve(records.size());
    for (const Ptr& p : records) {
        keys.push_back(keyOf(rec(p), order, options));
    }
    std::vector<size_t> index(records.size());
    std::iota(index.begin(), index.end(), size_t(0));
    std::sort(index.begin(), index.end(), [&](size_t a, size_t b) {
        switch (order) {
            case SortOrder::Artist:
                return text::compareNoCase(keys[a].artist, keys[b].artist) < 0;
            case SortOrder::Album:
                return text::compareNoCase(keys[a].album, keys[b].album) < 0;
            case SortOrder::Title:
                return text::compareNoCase(keys[a].title, keys[b].title) < 0;
            default:
                return artistAlbumTitleLess(keys[a], keys[b]);
        }
    });
    std::vector<Ptr> sorted;
    sorted.reserve(records.size());
    for (size_t i : index) {
        sorted.push_back(std::move(records[i]));
    }
    records = std::move(sorted);
}

}  // namespace

void sortRecords(std::vector<RecordPtr>& records, SortOrder order,
                 const NormaliseOptions& options) {
    sortAny(records, order, options);
}

void sortRecords(std::vector<LibraryRecord*>& records, SortOrder order,
                 const NormaliseOptions& options) {
    sortAny(records, order, options);
}

}  // namespace sonara
