#include "core/playlist/PlayListEntry.h"

#include "core/library/LibraryRecord.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

PlayListEntry makeEntry(const LibraryRecord& record, const std::string& path,
                        const NormaliseOptions& options) {
    PlayListEntry entry;
    entry.path = path;
    entry.title = record.displayTitle(options);
    entry.artist = record.displayArtist(options);
    entry.reserved = -1;
    entry.state = EntryState::Unplayed;
    entry.length = record.lengthSeconds;
    entry.elapsed = 0;
    return entry;
}

}  // namespace sonara
