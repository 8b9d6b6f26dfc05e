#include "core/library/SourcesFile.h"

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/SourcesList.h"

namespace sonara::sources_file {

bool read(ArchiveReader& in, SourcesList& sources) {
    sources.clear();
    uint32_t count = 0;
    if (!in.readUInt32(count)) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        SourceFolder entry;
        if (!in.readString(entry.mediaName) || !in.readString(entry.folder) ||
            !in.readInt32(entry.userAdded)) {
            return false;
        }
        // Folders written without the trailing "/" are used with it.
        if (!entry.folder.empty()) {
            entry.folder = withTrailingSlash(std::move(entry.folder));
        }
        entry.state = SourceFolder::kUnknown;
        sources.append(std::move(entry));
    }
    return true;
}

void write(ArchiveWriter& out, const SourcesList& sources) {
    out.writeUInt32(uint32_t(sources.count()));
    for (const SourceFolder& entry : sources.entries()) {
        out.writeString(entry.mediaName);
        out.writeString(entry.folder);
        out.writeInt32(entry.userAdded);
    }
}

LoadOutcome load(const std::string& path, SourcesList& sources) {
    return loadDataFile(path, [&](ArchiveReader& in) { return read(in, sources); });
}

Status save(const std::string& path, const SourcesList& sources, Prompter& prompter) {
    return saveDataFile(path, prompter, [&](ArchiveWriter& out) { write(out, sources); });
}

}  // namespace sonara::sources_file
