#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sonara {

class Library;

// A data file's bytes taken on the thread that owns the data, in slices
// short enough that the window keeps painting between them.
class DataSnapshot {
  public:
    virtual ~DataSnapshot() = default;
    // Takes the next slice; true once the snapshot is complete.
    virtual bool step() = 0;
    // The bytes once complete; nothing when the data changed shape between
    // slices (the next round takes it again).
    virtual std::optional<std::vector<uint8_t>> take() = 0;
};

// A small file's bytes, taken in one slice.
std::unique_ptr<DataSnapshot> wholeSnapshot(std::function<std::vector<uint8_t>()> bytes);

// Well under the 20 ms a user notices, on a slow machine, per slice.
constexpr size_t kLibraryRecordsPerSlice = 2'000;

// The library file's bytes, `recordsPerSlice` records at a time. A record
// edited between slices is taken as it is when its slice comes; records
// added, removed or reordered between slices drop the snapshot.
std::unique_ptr<DataSnapshot> librarySnapshot(const Library& library, size_t recordsPerSlice);

}  // namespace sonara
