#include "core/library/Library.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <numeric>

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/RecordFactory.h"
#include "core/library/RecordOrder.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

LibraryRecord* Library::at(size_t index) const {
    return index < records_.size() ? records_[index].get() : nullptr;
}

void Library::sort(SortOrder order, const NormaliseOptions& options) {
    if (order == sortOrder_ && order != SortOrder::Unsorted && order != SortOrder::FileName) {
        return;
    }
    if (!records_.empty() && order != SortOrder::Unsorted) {
        sortRecords(records_, order, options);
    }
    sortOrder_ = order;
}

long Library::find(const std::string& fileName, long& insertAt) const {
    if (records_.empty()) {
        insertAt = -1;
        return -1;
    }
    // Lower bound: the first record whose name is not below fileName.
    size_t lo = 0;
    size_t hi = records_.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (text::compareNoCase(records_[mid]->fileName(), fileName) < 0) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    if (lo < records_.size() && text::equalsNoCase(records_[lo]->fileName(), fileName)) {
        return long(lo);
    }
    insertAt = long(lo);
    return -1;
}

long Library::findByName(const std::string& fileName) {
    if (sortOrder_ != SortOrder::FileName) {
        sort(SortOrder::FileName, NormaliseOptions{});
    }
    long insertAt = -1;
    return find(fileName, insertAt);
}

LibraryRecord* Library::placeAt(long insertAt, RecordPtr record) {
    LibraryRecord* placed = record.get();
    if (insertAt < 0) {
        records_.push_back(std::move(record));
    } else {
        records_.insert(records_.begin() + insertAt, std::move(record));
    }
    return placed;
}

AddResult Library::addSong(const std::string& path, const std::string& mediaName,
                           RecordFactory& factory) {
    if (sortOrder_ != SortOrder::FileName) {
        sort(SortOrder::FileName, NormaliseOptions{});
    }
    long insertAt = -1;
    if (find(files::namePart(path), insertAt) >= 0) {
        return {AddStatus::AlreadyPresent, nullptr};
    }
    std::unique_ptr<LibraryRecord> record = factory.create(path, mediaName);
    if (!record) {
        return {AddStatus::Failed, nullptr};
    }
    return {AddStatus::Added, placeAt(insertAt, RecordPtr(record.release()))};
}

LibraryRecord* Library::insert(std::unique_ptr<LibraryRecord> record) {
    if (sortOrder_ != SortOrder::FileName) {
        sort(SortOrder::FileName, NormaliseOptions{});
    }
    long insertAt = -1;
    if (find(std::string(record->fileName()), insertAt) >= 0) {
        return nullptr;
    }
    return placeAt(insertAt, RecordPtr(record.release()));
}

void Library::append(std::unique_ptr<LibraryRecord> record) {
    records_.push_back(RecordPtr(record.release()));
}

void Library::reserveBlock(size_t count) {
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(count * sizeof(LibraryRecord)));
    blockUsed_ = 0;
    blockSize_ = count;
    records_.reserve(records_.size() + count);
}

void Library::removeAt(size_t index, size_t n) {
    if (index >= records_.size()) {
        return;
    }
    const size_t end = std::min(records_.size(), index + n);
    records_.erase(records_.begin() + long(index), records_.begin() + long(end));
}

void Library::clear() {
    records_.clear();
    blocks_.clear();
    blockUsed_ = blockSize_ = 0;
    bytes_.clear();
}

int64_t Library::totalSeconds() const {
    return std::accumulate(records_.begin(), records_.end(), int64_t(0),
                           [](int64_t sum, const auto& r) { return sum + r->lengthSeconds; });
}

std::string totalCountText(const Library& library) {
    return "Total Library Count: " + std::to_string(library.count());
}

std::string totalTimeText(const Library& library) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Total Library Time (hours): %.1f",
                  double(library.totalSeconds()) / 60.0 / 60.0);
    return buffer;
}

}  // namespace sonara
