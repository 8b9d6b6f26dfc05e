#include "core/library/LibraryFile.h"

#include <algorithm>
#include <memory>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"

namespace sonara::library_file {

namespace {

// Larger library files (millions of songs) are read through a window.
constexpr uint64_t kWholeFileLimit = uint64_t(1) << 30;
// Ten one-byte text prefixes and three 32-bit numbers.
constexpr size_t kSmallestRecordBytes = 10 + 3 * 4;

// Reads the header into `library`, emptied; false leaves it unchanged.
bool readHeader(ArchiveReader& in, Library& library, uint32_t& count) {
    int32_t version = 0;
    if (!in.readInt32(version) || !in.readUInt32(count)) {
        return false;
    }
    library.clear();
    library.setVersion(version);
    library.markUnsorted();
    return true;
}

}  // namespace

bool read(ArchiveReader& in, Library& library) {
    uint32_t count = 0;
    if (!readHeader(in, library, count)) {
        return false;
    }
    // The count is not trusted for allocation: a hostile file may claim
    // billions of records; reading simply stops where the bytes end.
    std::string scratch;
    for (uint32_t i = 0; i < count; ++i) {
        auto record = std::make_unique<LibraryRecord>();
        if (!record->read(in, scratch)) {
            return false;
        }
        library.append(std::move(record));
    }
    return true;
}

bool read(std::unique_ptr<char[]> bytes, size_t size, Library& library) {
    ArchiveReader in({reinterpret_cast<const uint8_t*>(bytes.get()), size});
    uint32_t count = 0;
    if (!readHeader(in, library, count)) {
        return false;
    }
    library.keepBytes(std::move(bytes));
    // No more records than the bytes could hold, whatever the count says.
    library.reserveBlock(std::min<size_t>(count, in.remaining() / kSmallestRecordBytes));
    std::string scratch;
    for (uint32_t i = 0; i < count; ++i) {
        LibraryRecord* record = library.appendFromBlock();
        if (record == nullptr || !record->readBorrowing(in, scratch)) {
            if (record != nullptr) {
                library.removeAt(library.count() - 1);
            }
            return false;
        }
    }
    return true;
}

void write(ArchiveWriter& out, const Library& library) {
    out.writeInt32(3);
    out.writeUInt32(uint32_t(library.count()));
    for (size_t i = 0; i < library.count(); ++i) {
        library.at(i)->write(out);
    }
}

LoadOutcome load(const std::string& path, Library& library) {
    return loadWholeDataFile(
        path, kWholeFileLimit,
        [&](std::unique_ptr<char[]> bytes, size_t size) {
            return read(std::move(bytes), size, library);
        },
        [&](ArchiveReader& in) { return read(in, library); });
}

Status save(const std::string& path, const Library& library, Prompter& prompter) {
    return saveDataFile(path, prompter, [&](ArchiveWriter& out) { write(out, library); });
}

}  // namespace sonara::library_file
