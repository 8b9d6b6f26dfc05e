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
        ++shape_;
    }
    sortOrder_ = order;
}

size_t Library::placeFor(const std::string& fileName) const {
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
    return lo;
}

bool Library::namedAt(size_t index, const std::string& fileName) const {
    return index < records_.size() && text::equalsNoCase(records_[index]->fileName(), fileName);
}

std::optional<size_t> Library::find(const std::string& fileName) const {
    const size_t at = placeFor(fileName);
    if (namedAt(at, fileName)) {
        return at;
    }
    return std::nullopt;
}

std::optional<size_t> Library::findByName(const std::string& fileName) {
    if (sortOrder_ != SortOrder::FileName) {
        sort(SortOrder::FileName, NormaliseOptions{});
    }
    return find(fileName);
}

LibraryRecord* Library::placeAt(size_t insertAt, RecordPtr record) {
    LibraryRecord* placed = record.get();
    records_.insert(records_.begin() + std::ptrdiff_t(insertAt), std::move(record));
    ++shape_;
    return placed;
}

AddResult Library::addSong(const std::string& path, const std::string& mediaName,
                           RecordFactory& factory) {
    if (sortOrder_ != SortOrder::FileName) {
        sort(SortOrder::FileName, NormaliseOptions{});
    }
    const std::string fileName = files::namePart(path);
    const size_t insertAt = placeFor(fileName);
    if (namedAt(insertAt, fileName)) {
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
    const std::string fileName(record->fileName());
    const size_t insertAt = placeFor(fileName);
    if (namedAt(insertAt, fileName)) {
        return nullptr;
    }
    return placeAt(insertAt, RecordPtr(record.release()));
}

void Library::append(std::unique_ptr<LibraryRecord> record) {
    records_.push_back(RecordPtr(record.release()));
    ++shape_;
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
    ++shape_;
}

void Library::clear() {
    records_.clear();
    ++shape_;
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
