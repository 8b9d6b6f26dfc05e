// The current play-list file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/io/ArchiveReader.h"
#include "core/playlist/CurrentPlayListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<sonara::PlayListEntry> entries;
    sonara::ArchiveReader in({data, size});
    sonara::current_playlist_file::read(in, entries);
    for (const auto& entry : entries) {
        if (entry.state == sonara::EntryState::Current) {
            __builtin_trap();  // nothing is current after loading
        }
    }
    return 0;
}
