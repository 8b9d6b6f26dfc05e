#include "core/app/DataSnapshot.h"

#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"

namespace sonara {

namespace {

class WholeSnapshot final : public DataSnapshot {
  public:
    explicit WholeSnapshot(std::function<std::vector<uint8_t>()> bytes)
        : bytes_(std::move(bytes)) {}
    bool step() override {
        taken_ = bytes_();
        return true;
    }
    std::optional<std::vector<uint8_t>> take() override { return std::move(taken_); }

  private:
    std::function<std::vector<uint8_t>()> bytes_;
    std::optional<std::vector<uint8_t>> taken_;
};

// The layout library_file::write gives, a slice of records at a time.
class LibrarySnapshot final : public DataSnapshot {
  public:
    LibrarySnapshot(const Library& library, size_t perSlice)
        : library_(library), perSlice_(perSlice == 0 ? 1 : perSlice), shape_(library.shape()) {
        out_ = std::make_unique<ArchiveWriter>(bytes_);
        out_->writeInt32(3);
        out_->writeUInt32(uint32_t(library.count()));
    }
    bool step() override {
        if (library_.shape() != shape_) {
            changed_ = true;
            return true;
        }
        const size_t end = std::min(library_.count(), next_ + perSlice_);
        for (; next_ < end; ++next_) {
            library_.at(next_)->write(*out_);
        }
        return next_ == library_.count();
    }
    std::optional<std::vector<uint8_t>> take() override {
        if (changed_ || library_.shape() != shape_) {
            return std::nullopt;
        }
        out_.reset();  // hands the last of its buffer over
        return std::move(bytes_);
    }

  private:
    const Library& library_;
    size_t perSlice_;
    uint64_t shape_;
    std::vector<uint8_t> bytes_;
    std::unique_ptr<ArchiveWriter> out_;
    size_t next_ = 0;
    bool changed_ = false;
};

}  // namespace

std::unique_ptr<DataSnapshot> wholeSnapshot(std::function<std::vector<uint8_t>()> bytes) {
    return std::make_unique<WholeSnapshot>(std::move(bytes));
}

std::unique_ptr<DataSnapshot> librarySnapshot(const Library& library, size_t recordsPerSlice) {
    return std::make_unique<LibrarySnapshot>(library, recordsPerSlice);
}

}  // namespace sonara
