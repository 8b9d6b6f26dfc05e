#include "core/library/LibraryFile.h"

#include <memory>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"

namespace sonara::library_file {

bool read(ArchiveReader& in, Library& library) {
    int32_t version = 0;
    uint32_t count = 0;
    if (!in.readInt32(version) || !in.readUInt32(count)) {
        return false;
    }
    library.clear();
    library.setVersion(version);
    library.markUnsorted();
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

void write(ArchiveWriter& out, const Library& library) {
    out.writeInt32(3);
    out.writeUInt32(uint32_t(library.count()));
    for (size_t i = 0; i < library.count(); ++i) {
        library.at(i)->write(out);
    }
}

LoadOutcome load(const std::string& path, Library& library) {
    return loadDataFile(path, [&](ArchiveReader& in) { return read(in, library); });
}

Status save(const std::string& path, const Library& library, Prompter& prompter) {
    return saveDataFile(path, prompter, [&](ArchiveWriter& out) { write(out, library); });
}

}  // namespace sonara::library_file
