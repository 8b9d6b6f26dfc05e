#include "core/playlist/CurrentPlayListFile.h"

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"

namespace sonara::current_playlist_file {

bool read(ArchiveReader& in, std::vector<PlayListEntry>& entries) {
    uint32_t count = 0;
    if (!in.readUInt32(count)) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        PlayListEntry entry;
        int32_t state = 0;
        if (!in.readString(entry.path) || !in.readString(entry.artist) ||
            !in.readString(entry.title) || !in.readInt32(entry.reserved) || !in.readInt32(state) ||
            !in.readInt32(entry.length)) {
            return false;
        }
        // Anything but Played starts afresh as Unplayed: nothing is current
        // after loading, and unknown states from a damaged file are harmless.
        entry.state =
            state == int32_t(EntryState::Played) ? EntryState::Played : EntryState::Unplayed;
        entries.push_back(std::move(entry));
    }
    return true;
}

void write(ArchiveWriter& out, const std::vector<PlayListEntry>& entries) {
    out.writeUInt32(uint32_t(entries.size()));
    for (const PlayListEntry& entry : entries) {
        out.writeString(entry.path);
        out.writeString(entry.artist);
        out.writeString(entry.title);
        out.writeInt32(entry.reserved);
        out.writeInt32(int32_t(entry.state));
        out.writeInt32(entry.length);
    }
}

LoadOutcome load(const std::string& path, std::vector<PlayListEntry>& entries) {
    return loadDataFile(path, [&](ArchiveReader& in) { return read(in, entries); });
}

Status save(const std::string& path, const std::vector<PlayListEntry>& entries,
            Prompter& prompter) {
    return saveDataFile(path, prompter, [&](ArchiveWriter& out) { write(out, entries); });
}

}  // namespace sonara::current_playlist_file
