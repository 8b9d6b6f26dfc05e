#pragma once

#include <cstddef>
#include <random>
#include <string_view>
#include <vector>

namespace sonara {

class Library;

// The library record indexes still available for random adds. A drawn index
// leaves the pool, so a title repeats only after a rebuild. Indexes are
// positions in the library's current order; one that no longer names a
// record is the caller's failed add.
class RandomPool {
  public:
    // Every record index in library order whose genre `randomGenre` allows:
    // all when it is empty; else character g must be '1' for a record of
    // genre number g, and a genre outside the table needs every character
    // to be '1'.
    void rebuild(const Library& library, std::string_view randomGenre);

    bool empty() const { return slots_.empty(); }
    size_t size() const { return slots_.size(); }
    // Draws one of the remaining slots uniformly and takes it out of the
    // pool: its record index. The pool must not be empty.
    size_t take(std::minstd_rand& random);

  private:
    std::vector<size_t> slots_;
};

}  // namespace sonara
