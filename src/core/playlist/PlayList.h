#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/io/DataFile.h"
#include "core/io/Result.h"
#include "core/playlist/PlayListEntry.h"
#include "core/playlist/PlayListTotals.h"
#include "core/playlist/PlayOutcome.h"
#include "core/playlist/RandomPool.h"
#include "core/playlist/TextPlayList.h"

namespace sonara {

class DataFileSaver;
class Library;
class LibraryRecord;
class PathCache;
class PlayListPlayer;
class PlayListView;
class PreferenceStore;
class Prompter;
class RecordFactory;
class SourcesList;

// The current play list: the songs queued for the built-in player, which of
// them is current, what plays next, and each entry's played state. Rows are
// entry positions; at most one entry is in state Current.
//
// The player, the library and the main window are borrowed and may be
// absent (null). User-interface thread only. Calls into the player may run
// queued Dispatcher tasks, so every operation reads the list afresh after
// them.
class PlayList {
  public:
    struct Environment {
        PreferenceStore& prefs;
        Prompter& prompter;
        RecordFactory& records;  // records for files added by path
        PathCache& pathCache;
        SourcesList& sources;
        DataFileSaver& saver;
        std::string currentFile;  // "CurrPl.snl"
    };

    explicit PlayList(Environment environment);
    PlayList(const PlayList&) = delete;
    PlayList& operator=(const PlayList&) = delete;

    void setLibrary(Library* library) { library_ = library; }
    void setPlayer(PlayListPlayer* player) { player_ = player; }
    void setView(PlayListView* view) { view_ = view; }
    // Hands a song to the user's other MP3 player (the library view's adds
    // when the built-in player is not used); unset, such an add does nothing.
    std::function<bool(const std::string& path)> openInOutsidePlayer;

    size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const PlayListEntry& at(size_t row) const { return entries_[row]; }
    const std::vector<PlayListEntry>& entries() const { return entries_; }
    std::optional<size_t> current() const { return current_; }
    bool hasCurrent() const { return current_.has_value(); }
    // "artist - title - Sonara" while a song plays, "Sonara" otherwise.
    const std::string& caption() const { return caption_; }
    bool playerIsPlaying() const;

    // Appends an entry made from the record (display title and artist,
    // length) for the resolved `path`; with `playNow` it stops what plays and
    // plays the new entry. Returns its row (none only when a record could
    // not be made).
    std::optional<size_t> append(const LibraryRecord& record, const std::string& path,
                                 bool playNow);
    // One selected library row (">>", "Add to Playlist"): locates the file,
    // asking for missing media; counts a play; appends as the preferences
    // and the view say, or hands the file to the outside player; saves the
    // data files. Never starts playback.
    std::optional<size_t> addRecordFromLibrary(LibraryRecord& record);
    // The same for every selected row, then the idle title.
    void addRecordsFromLibrary(const std::vector<LibraryRecord*>& records);
    // A file by path, with a record made for it alone (the library is not
    // searched); saves the data files.
    std::optional<size_t> addFile(const std::string& path, bool playNow);
    // A play list file replaces the list; any other name is added as one file.
    text_playlist::ReadReport loadFile(const std::string& path);

    struct Neighbour {
        std::optional<size_t> row;
        bool wrapped = false;
    };
    // The entry after (direction 1) or before (0) the current one, wrapping
    // round; none without a current entry.
    Neighbour neighbour(int direction) const;
    // What plays next; may append a random title ("Random Add").
    std::optional<size_t> chooseNext(int direction, bool force);
    // Goes to the next or previous entry and plays it when the player plays
    // or `force` is set, skipping files the player rejects. Whether something
    // now plays (or, stopped and not forced, whether an entry was chosen).
    bool advance(int direction, bool force);
    bool playCurrent(PlayOutcome& outcome);
    bool playCurrent() {
        PlayOutcome outcome = PlayOutcome::Ok;
        return playCurrent(outcome);
    }
    // Stops the player, marks the current entry Played.
    void stopCurrent();
    // Makes the entry current without playing it; an entry that was only
    // chosen before goes back to Unplayed.
    void makeCurrent(size_t row);
    // The time display's position in the current entry.
    void setElapsed(int seconds);

    // Each returns the moved entry's new row. Up from the first row swaps
    // with the last, down from the last with the first.
    size_t moveUp(size_t row);
    size_t moveDown(size_t row);
    size_t moveToTop(size_t row);
    // Removes the rows (stopping the current entry when it plays); returns
    // the row to select, none when the list is now empty.
    std::optional<size_t> remove(std::vector<size_t> rows);
    // Stops, empties the list and saves the current play-list file.
    void clear();
    // A new random order from a scratch copy of the list; the playing entry
    // goes to the top. False when nothing changed.
    bool shuffle();
    // Where the shuffle's scratch copy goes; the system's temporary folder
    // by default.
    void setScratchFolder(std::string folder) { scratchFolder_ = std::move(folder); }
    void resetPlayed(const std::vector<size_t>& rows);
    void resetAllPlayed();

    // Library indexes for random adds, filtered by "RandomGenre"; reseeds.
    void rebuildRandomPool();
    const RandomPool& randomPool() const { return pool_; }
    // Appends a random library title whose file can be found (without
    // asking); message 7175 and none when there is none.
    std::optional<size_t> pickRandom();
    // pickRandom `titles` times; how many were added.
    int addRandom(int titles);

    PlayListTotals totals() const;
    int64_t totalSeconds() const { return totals().totalSeconds; }
    int64_t leftSeconds() const { return totals().leftSeconds; }

    // The current play-list file.
    Status saveCurrent();
    // Appends the file's entries; none is current afterwards.
    LoadOutcome loadCurrent();

  private:
    std::optional<size_t> addFileEntry(const std::string& path, bool playNow);
    std::optional<size_t> firstUnplayed(int direction) const;
    // Removes the rows without choosing a selection.
    void eraseRows(std::vector<size_t> rows);
    void swapRows(size_t a, size_t b);
    void removePlayed(std::optional<size_t> previous);
    void setCaption(std::string caption);
    void refreshTotals();
    void rowChanged(size_t row);
    int viewMode() const;

    Environment env_;
    Library* library_ = nullptr;
    PlayListPlayer* player_ = nullptr;
    PlayListView* view_ = nullptr;
    std::vector<PlayListEntry> entries_;
    std::optional<size_t> current_;
    std::string caption_;
    RandomPool pool_;
    std::minstd_rand random_;
    std::string scratchFolder_;
};

}  // namespace sonara
