#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "core/library/LibraryRecord.h"

namespace sonara {

class RecordFactory;
struct NormaliseOptions;

enum class SortOrder : int {
    FileName = 0,
    Artist = 1,
    Album = 2,
    Title = 3,
    PlayCount = 4,
    ArtistAlbumTitle = 5,
    Unsorted = 6,
};

enum class AddStatus : int { Added = 0, AlreadyPresent = 1, Failed = 3 };

struct AddResult {
    AddStatus status = AddStatus::Failed;
    LibraryRecord* record = nullptr;  // the new record when Added
};

// The in-memory collection of all library records; it owns them. Lookups by
// file name are binary searches, valid only while sorted by file name, so
// every operation that looks a name up sorts by file name first.
class Library {
  public:
    Library() = default;
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    size_t count() const { return records_.size(); }
    // The record at an index, or nullptr outside 0..count()-1.
    LibraryRecord* at(size_t index) const;
    // Null for nothing, as find() gives for an unknown name.
    LibraryRecord* at(std::optional<size_t> index) const { return index ? at(*index) : nullptr; }

    SortOrder sortOrder() const { return sortOrder_; }
    // Sorting by file name is always redone, as adds may have appended out of
    // order; any other order already in force is kept as it is. Display
    // values are computed once per record, not once per comparison.
    void sort(SortOrder order, const NormaliseOptions& options);

    // Index of the record named `fileName` (ignoring case). Requires the
    // file-name order.
    std::optional<size_t> find(const std::string& fileName) const;
    // Where a record named `fileName` belongs in the file-name order: the
    // first record whose name is not below it (count() past the last).
    size_t placeFor(const std::string& fileName) const;
    // Sorts by file name first when needed.
    std::optional<size_t> findByName(const std::string& fileName);

    // Adds the file at `path` unless a record of that file name exists.
    AddResult addSong(const std::string& path, const std::string& mediaName,
                      RecordFactory& factory);
    // Inserts a finished record at its sorted place (the library is sorted by
    // file name first); nullptr when a record of that name exists.
    LibraryRecord* insert(std::unique_ptr<LibraryRecord> record);
    // Appends without any check; for loading the library file.
    void append(std::unique_ptr<LibraryRecord> record);
    // For loading a whole file: keeps bytes that loaded records borrow their
    // texts from, and makes room for `count` records in one block, until
    // clear(). appendFromBlock() then hands out the block's records in turn
    // (nullptr once they are used up).
    void keepBytes(std::unique_ptr<char[]> bytes) { bytes_.push_back(std::move(bytes)); }
    void reserveBlock(size_t count);
    LibraryRecord* appendFromBlock() {
        if (blockUsed_ == blockSize_) {
            return nullptr;
        }
        void* place = blocks_.back().get() + blockUsed_++ * sizeof(LibraryRecord);
        auto* record = new (place) LibraryRecord();
        records_.push_back(RecordPtr(record, RecordDeleter{true}));
        ++shape_;
        return record;
    }

    void removeAt(size_t index, size_t n = 1);
    void clear();
    int64_t totalSeconds() const;

    // Changes whenever records are added, removed or reordered (not when a
    // record's fields change): work done in slices over the records knows
    // when its place is no longer valid.
    uint64_t shape() const { return shape_; }

    int32_t version() const { return version_; }
    void setVersion(int32_t version) { version_ = version; }
    // After loading or changes that break the current order.
    void markUnsorted() { sortOrder_ = SortOrder::Unsorted; }

  private:
    // Inserts at a place placeFor() gave.
    LibraryRecord* placeAt(size_t insertAt, RecordPtr record);
    bool namedAt(size_t index, const std::string& fileName) const;

    // Declared first so the records that borrow from them go before them.
    std::vector<std::unique_ptr<char[]>> bytes_;
    // Raw memory: records are made in it as they are handed out.
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    size_t blockUsed_ = 0;
    size_t blockSize_ = 0;
    std::vector<RecordPtr> records_;
    SortOrder sortOrder_ = SortOrder::Unsorted;
    int32_t version_ = 3;
    uint64_t shape_ = 0;
};

// The About box lines.
std::string totalCountText(const Library& library);
std::string totalTimeText(const Library& library);

}  // namespace sonara
