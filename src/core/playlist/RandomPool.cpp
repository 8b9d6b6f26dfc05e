#include "core/playlist/RandomPool.h"

#include <algorithm>
#include <cassert>

#include "core/library/Library.h"
#include "core/metadata/GenreTable.h"

namespace sonara {

void RandomPool::rebuild(const Library& library, std::string_view randomGenre) {
    slots_.clear();
    slots_.reserve(library.count());
    const bool allOn =
        std::all_of(randomGenre.begin(), randomGenre.end(), [](char c) { return c == '1'; });
    for (size_t i = 0; i < library.count(); ++i) {
        bool wanted = randomGenre.empty();
        if (!wanted) {
            const std::optional<int> genre = genres::indexOf(library.at(i)->genre());
            wanted = genre
                         ? size_t(*genre) < randomGenre.size() && randomGenre[size_t(*genre)] == '1'
                         : allOn;
        }
        if (wanted) {
            slots_.push_back(i);
        }
    }
}

size_t RandomPool::take(std::minstd_rand& random) {
    assert(!slots_.empty());
    std::uniform_int_distribution<size_t> draw(0, slots_.size() - 1);
    const size_t slot = draw(random);
    const size_t index = slots_[slot];
    // Only uniform draws over what is left matter, not the pool's order.
    slots_[slot] = slots_.back();
    slots_.pop_back();
    return index;
}

}  // namespace sonara
