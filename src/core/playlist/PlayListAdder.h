#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/io/DataFile.h"
#include "core/io/Result.h"
#include "core/mainwnd/ViewMode.h"
#include "core/playlist/PlayListOptions.h"
#include "core/playlist/TextPlayList.h"

namespace sonara {

class DataFileSaver;
class LibraryRecord;
class PathCache;
class PlaySequence;
class Prompter;
class RecordFactory;
class SourcesList;

// Fills the current play list: library rows (">>", "Add to Playlist"),
// files by path, play-list files, and the current play-list file. It locates
// files, may ask for missing media, and saves the data files after adds.
//
// Borrows everything. User-interface thread only.
class PlayListAdder {
  public:
    struct Environment {
        Prompter& prompter;
        RecordFactory& records;  // records for files added by path
        PathCache& pathCache;
        SourcesList& sources;
        DataFileSaver& saver;
        std::string currentFile;  // "CurrPl.snl"
    };

    PlayListAdder(PlaySequence& sequence, Environment environment, PlayListAddOptions options = {});
    PlayListAdder(const PlayListAdder&) = delete;
    PlayListAdder& operator=(const PlayListAdder&) = delete;

    void setOptions(PlayListAddOptions options) { options_ = options; }
    const PlayListAddOptions& options() const { return options_; }
    // Hands a song to the user's other MP3 player (the library view's adds
    // when the built-in player is not used); unset, such an add does nothing.
    std::function<bool(const std::string& path)> openInOutsidePlayer;

    // Appends an entry made from the record for the resolved `path`; with
    // `playNow` it stops what plays and plays the new entry. Its row.
    size_t append(const LibraryRecord& record, const std::string& path, bool playNow);
    // One selected library row, as `view` shows it: locates the file, asking
    // for missing media; counts a play; appends as the options and the view
    // say, or hands the file to the outside player; saves the data files.
    // Never starts playback.
    std::optional<size_t> addRecordFromLibrary(LibraryRecord& record, ViewMode view);
    // The same for every selected row; then, while nothing plays, the
    // scrolling title shows the current entry or the selected row.
    void addRecordsFromLibrary(const std::vector<LibraryRecord*>& records, ViewMode view,
                               std::optional<size_t> selectedRow);
    // A file by path, with a record made for it alone (the library is not
    // searched); saves the data files.
    std::optional<size_t> addFile(const std::string& path, bool playNow);
    // A play list file replaces the list; any other name is added as one file.
    text_playlist::ReadReport loadFile(const std::string& path);

    // Stops, empties the list and saves the current play-list file; the
    // caller tells the user of a failed save (the old list would come back).
    Status clear();
    Status saveCurrent();
    // Appends the current play-list file's entries; none is current
    // afterwards.
    LoadOutcome loadCurrent();

  private:
    std::optional<size_t> addFileEntry(const std::string& path, bool playNow);

    PlaySequence& sequence_;
    Environment env_;
    PlayListAddOptions options_;
};

}  // namespace sonara
